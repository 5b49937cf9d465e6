// The colour code button of the route editor and of card entry.
//
// It is the colour button of the Barwik library when that library is loaded,
// a plain push button otherwise, and behaves the same either way: it takes
// the keyboard focus (Tab) and shows it; Space or Enter presses it; the Menu
// key or Shift+F10 asks for its menu at its centre, as a right click does;
// assistive tools see a button named by its text that can be pressed.
// Both callbacks arrive from the event loop, after the input was handled, so
// a receiver may delete the button.
#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>

class QObject;
class QWidget;

namespace trop {

QWidget* createCodeButton(QWidget* parent, int id, const QString& text);

// The text shown, which is also the accessible name.
void setCodeButtonText(QWidget* button, const QString& text);

// Fill colour 0x00BBGGRR (red in the low byte).
void setCodeButtonColour(QWidget* button, std::uint32_t colour);

// The callbacks run while both the button and `context` live.
void onCodeButtonClicked(QWidget* button, QObject* context, std::function<void(int id)> onClick);
void onCodeButtonContextRequested(QWidget* button, QObject* context,
                                  std::function<void(int id, QPoint globalPos)> onContext);

} // namespace trop
