// Conversions at the edge between the core's texts and the widgets' QString:
// record texts are code page 1250 bytes, file and folder names are UTF-8.
#pragma once

#include "trop/store/fixed_text.h"

#include <QString>

#include <string>
#include <string_view>

namespace trop {

QString fromCp1250(std::string_view bytes);
// Characters the code page lacks become '?'.
std::string toCp1250(const QString& text);

// Whether every character of the text has a code page 1250 byte.
bool canEncodeCp1250(const QString& text);

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <std::size_t N>
QString fieldToQString(const char (&field)[N])
{
    return fromCp1250(fieldText(field));
}

// At most N - 1 bytes, zero-filled.
template <std::size_t N>
void setFieldFromQString(char (&field)[N], const QString& text)
{
    setFieldText(field, toCp1250(text));
}

} // namespace trop
