// Whole-file reading and crash-safe whole-file writing for the store.
// Errors are values: nothing here shows a message.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace trop {

enum class ReadStatus { Ok, Missing, Error };

struct FileBytes {
    ReadStatus status = ReadStatus::Error;
    std::vector<char> bytes;
};

// Reads at most maxBytes from the start of the file. A missing file is
// reported as Missing (not an error); anything else that fails is Error.
FileBytes readFileUpTo(const std::filesystem::path& file, std::size_t maxBytes);

// Replaces the file with exactly these bytes: they are written to a temporary
// file beside it, flushed to disk and renamed over the target, so a crash or
// power loss leaves either the old or the new file. Returns false (and leaves
// the old file untouched) on any failure.
bool writeFileAtomically(const std::filesystem::path& file, const void* data, std::size_t size);
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Creates an empty file when none exists; true when the file exists afterwards.
bool createEmptyFileIfMissing(const std::filesystem::path& file);

} // namespace trop
