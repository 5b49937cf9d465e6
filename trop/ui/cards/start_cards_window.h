// The start cards list ("Karty startowe :"): one row per team; Enter, a double
// click or "Edytuj" opens the team's card in the card entry window.
#pragma once

#include "start_cards_rules.h"

#include <QDialog>

class QTreeWidget;

namespace trop {

class StartCardsWindow : public QDialog {
    Q_OBJECT
public:
    StartCardsWindow(StartCardsRules& rules, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }

    // Opens the card of the team in the card entry window (modal).
    void openCard(int teamNumber);

    void done(int result) override;

private:
    void fillRows();
    void showMenu(const QPoint& position);
    int currentTeam() const;

    StartCardsRules& rules_;
    QTreeWidget* list_;
    bool closed_ = false;
};

// Opens the start cards list of a stage (modal): loads the cards and the
// route first and shows nothing when either cannot be read.
struct StageContext;
void openStartCardsWindow(QWidget* parent, const StageContext& stage);

} // namespace trop
