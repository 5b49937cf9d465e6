// The card entry window ("Karta startowa"): shows CardEntryRules and forwards
// what the judge types. Leaving a typed field (Tab, a click elsewhere) takes
// it; the box buttons open the confirmation editor (Space, Enter, a click) or
// the box menu (Menu key, Shift+F10, a right click); PgDown and PgUp act as
// ">" and "<".
#pragma once

#include "card_entry_rules.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace trop {

class CardBoxCell;

class CardEntryWindow : public QDialog {
    Q_OBJECT
public:
    CardEntryWindow(CardEntryRules& rules, const QString& title, QWidget* parent = nullptr);

    // Whether the start cards list is to hear of a stored card.
    bool reportsChange() const { return reportsChange_; }

    QLineEdit* field(CardField field) const { return fields_[static_cast<int>(field)]; }
    QWidget* boxButton(int box) const;
    QWidget* boxesArea() const { return boxesArea_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* previousButton() const { return previous_; }

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTopStrip();
    QWidget* buildBoxes();
    QWidget* buildButtons();
    void setTabOrder();
    CardFieldTexts typedTexts() const;
    void showCard(RefusedField keepTyped = std::nullopt);
    void applyAutoLayout(bool autoScore);
    void afterCall(RefusedField refused);
    void focusField(CardField field);
    void move(bool next);
    void openEditor(int box);
    void showBoxMenu(int box, QPoint globalPos);
    void end(const CardWindowEnding& ending);

    CardEntryRules& rules_;
    bool reportsChange_ = false;
    bool ending_ = false;
    std::array<QLineEdit*, kCardFieldCount> fields_{};
    QLineEdit* team_ = nullptr;
    QLabel* members_ = nullptr;
    QLineEdit* timePenalty_ = nullptr;
    QLineEdit* stagePoints_ = nullptr;
    QLineEdit* missingPenalty_ = nullptr;
    QLineEdit* taskPenalty_ = nullptr;
    QLabel* missing_ = nullptr;
    QLabel* missingLabel_ = nullptr;
    QCheckBox* extendedLimit_ = nullptr;
    QCheckBox* autoScore_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QWidget* boxesArea_ = nullptr;
    std::array<CardBoxCell*, kBoxCount> boxes_{};
    bool shownAuto_ = true;
};

} // namespace trop
