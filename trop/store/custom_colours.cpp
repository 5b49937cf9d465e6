#include "trop/store/custom_colours.h"

#include "trop/store/file_io.h"
#include "trop/store/messages.h"

#include <string>

namespace trop {

namespace {

constexpr std::size_t kFileSize = sizeof(CustomColours::value_type) * std::tuple_size_v<CustomColours>;
static_assert(kFileSize == 64);

std::string coloursBytes(const CustomColours& colours)
{
    std::string bytes;
    bytes.reserve(kFileSize);
    for (std::uint32_t colour : colours) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>((colour >> shift) & 0xFFu));
    }
    return bytes;
}

CustomColours coloursFromBytes(const std::vector<char>& bytes)
{
    CustomColours colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        std::uint32_t colour = 0;
        for (std::size_t b = 0; b < 4; ++b)
            colour |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i * 4 + b])) << (8 * b);
        colours[i] = colour;
    }
    return colours;
}

bool fileError()
{
    showMessage(7, kCustomColoursFileName);
    return false;
}

} // namespace

bool loadCustomColours(const std::filesystem::path& stageFolder, CustomColours& colours)
{
    const std::filesystem::path file = stageFolder / kCustomColoursFileName;
    const FileBytes read = readFileUpTo(file, kFileSize);
    if (read.status == ReadStatus::Missing) {
        CustomColours white;
        white.fill(kWhiteColour);
        if (!writeFileAtomically(file, coloursBytes(white)))
            return fileError();
        colours = white;
        return true;
    }
    if (read.status != ReadStatus::Ok || read.bytes.size() < kFileSize)
        return fileError();
    colours = coloursFromBytes(read.bytes);
    return true;
}

bool saveCustomColours(const std::filesystem::path& stageFolder, const CustomColours& colours)
{
    if (!writeFileAtomically(stageFolder / kCustomColoursFileName, coloursBytes(colours)))
        return fileError();
    return true;
}

} // namespace trop
