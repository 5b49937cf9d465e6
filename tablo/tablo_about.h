// Tablo's About box: the company, the legal line and "Tablo  ver. " with the
// program's version.
#pragma once

#include <QString>

class QWidget;

namespace tablo {

inline constexpr const char* kAboutEntry = "O programie Tablo...";

// The lines of the box, top to bottom.
QStringList aboutLines();

void showTabloAbout(QWidget* parent);

} // namespace tablo
