#pragma once
// Barwik: the colour button library, loaded by file name at run time.
//
// Contract for the host (which links nothing of this library):
//
//   extern "C" QWidget* barwikCreateButton(QWidget* parent, int id, const QString& text);
//
// creates a colour button as a child of `parent`, with the control id `id`
// and the text `text`; it starts with colour 0xC0C0C0 and is destroyed with
// its parent. The host speaks to it only through Qt's meta-object system:
//
//   invokable  setColour(uint colour)   colour is 0x00BBGGRR (red in the low
//                                       byte); stored and repainted
//   property   "text" (QString)         setProperty("text", ...); repainted
//   QWidget    setEnabled(bool)         disabled buttons show grey text and
//                                       take no mouse input
//   signal     clicked(int id)          left button released over the button
//                                       after it went down on it
//   signal     contextRequested(int id, QPoint globalPos)
//                                       right button pressed on it; the
//                                       pointer position in screen coordinates
//
// Connect with SIGNAL()/SLOT() strings or QMetaObject. Both signals are
// posted: they arrive from the event loop after the mouse event has been
// handled, so a receiver may delete the button. The keyboard never presses
// the button; a left click gives it the keyboard focus.

#include <QString>

class QWidget;

extern "C" Q_DECL_EXPORT QWidget* barwikCreateButton(QWidget* parent, int id, const QString& text);

// The host resolves the function above by this name and type.
inline constexpr const char kBarwikCreateButtonSymbol[] = "barwikCreateButton";
using BarwikCreateButtonFunction = QWidget* (*)(QWidget* parent, int id, const QString& text);
