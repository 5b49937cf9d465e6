// How a results list cuts a text that is wider than its column.
#pragma once

#include <QString>

#include <functional>

namespace trop {

// The text as it is when it fits; otherwise shortened by one character at a
// time and ended with "..." until it fits or is down to 4 characters (one
// character and the dots). Texts of 4 characters or fewer are never cut.
QString elideCellText(const QString& text, int width, const std::function<int(const QString&)>& textWidth);

} // namespace trop
