// Typing limits of the text fields whose contents are stored as code page
// 1250 bytes.
#pragma once

class QLineEdit;

namespace trop {

enum class LetterCase { AsTyped, Upper };

// Limits what is typed into `field` to maxBytes code page 1250 bytes and
// refuses characters the code page cannot hold, so nothing is ever stored as
// '?'. A longer text the program puts into the field (a stored text written
// by another tool) is shown and kept whole: only growing beyond the limit is
// refused, shrinking is always allowed. Upper turns typed letters into
// capitals one character at a time, so the byte count stays what was typed.
void limitToCp1250(QLineEdit* field, int maxBytes, LetterCase letterCase = LetterCase::AsTyped);

} // namespace trop
