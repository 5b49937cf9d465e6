#pragma once
// Host side of the colour button library: loads "Barwik" by file name and
// creates its buttons without linking it.
//
// The library is optional. When it is missing every function here is a quiet
// no-op: createColourButton returns nullptr and the window shows no buttons.
// The library, once loaded, stays loaded for the rest of the run.

#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class QObject;
class QWidget;

namespace barwik {

// The folders searched for "Barwik", in this order: the program's own folder
// (the build folder, a portable copy), then the installed library folder
// that belongs to it (<prefix>/lib/.../trop for a program in <prefix>/bin).
QStringList colourButtonLibraryFolders(const QString& programFolder);

// Loads "Barwik" (libBarwik.so, Barwik.dll) from the first of those folders
// that has it. Reports nothing on failure; returns whether buttons can be
// created. A second call after a success returns true and loads nothing.
bool loadColourButtonLibrary(const QString& programFolder);

bool isColourButtonLibraryLoaded();

// A new button as a child of `parent`, or nullptr when the library is not
// loaded.
QWidget* createColourButton(QWidget* parent, int id, const QString& text);

// Sets the fill colour, 0x00BBGGRR; ignores a null button.
void setButtonColour(QWidget* button, std::uint32_t colour);

// Calls `onClick(id)` / `onContext(id, globalPos)` for the button's signals
// while both `button` and `context` live. Returns false for a null button or
// a widget that is not a colour button.
bool onColourButtonClicked(QWidget* button, QObject* context, std::function<void(int)> onClick);
bool onColourButtonContextRequested(QWidget* button, QObject* context,
                                    std::function<void(int, QPoint)> onContext);

} // namespace barwik
