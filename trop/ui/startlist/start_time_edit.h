// The small edit box placed over the "Czas " cell of a start list row. Enter
// and the focus leaving ask for the typed value to be taken; Escape asks for
// the edit to be dropped. What happens is up to the window.
#pragma once

#include <QLineEdit>

namespace trop {

class StartTimeEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit StartTimeEdit(QWidget* parent = nullptr);

Q_SIGNALS:
    void commitRequested();
    void cancelRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace trop
