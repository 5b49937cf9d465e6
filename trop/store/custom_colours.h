// The 16 custom colours of the colour picker, file "UserColor" in a stage
// folder: exactly 64 bytes, 16 little-endian 32-bit values, red in the low
// byte, then green, then blue, high byte zero.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

namespace trop {

inline constexpr const char* kCustomColoursFileName = "UserColor";
inline constexpr std::uint32_t kWhiteColour = 0x00FFFFFF;

using CustomColours = std::array<std::uint32_t, 16>;

// Reads "UserColor" into colours. A missing file is created with 16 white
// entries (and colours become white). On any file error (unreadable, shorter
// than 64 bytes, cannot be created) message 7 "UserColor" is shown, colours
// keep what they held and the result is false.
bool loadCustomColours(const std::filesystem::path& stageFolder, CustomColours& colours);

// Writes the 64 bytes; message 7 "UserColor" and false on failure.
bool saveCustomColours(const std::filesystem::path& stageFolder, const CustomColours& colours);

} // namespace trop
