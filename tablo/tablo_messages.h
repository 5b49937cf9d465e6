// Tablo's answerer for the store's messages: a modal message box with the
// caption "Tablo" over the active window.
#pragma once

#include "trop/store/messages.h"

namespace tablo {

inline constexpr const char* kTabloCaption = "Tablo";

trop::MessageAnswer answerInMessageBox(const trop::MessageRequest& request);

void installTabloMessageBoxes();

} // namespace tablo
