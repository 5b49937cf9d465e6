// The competitions window "Trop". Closing it ends the program; while it is
// minimised a close request is ignored. Linux has no system menu, so the
// About box is offered at the end of every popup and on F1.
#pragma once

#include "navigation_window.h"

namespace trop {

class MainWindow : public NavigationWindow {
    Q_OBJECT
public:
    explicit MainWindow(NavigationRules& rules, QWidget* parent = nullptr);

    static constexpr const char* kAboutEntryText = "&About Trop...";

protected:
    void addOwnMenuEntries(QMenu& menu) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void showAbout();
};

} // namespace trop
