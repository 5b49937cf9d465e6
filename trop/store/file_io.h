// Whole-file reading and crash-safe whole-file writing for the store.
// Errors are values: nothing here shows a message.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace trop {

enum class ReadStatus { Ok, Missing, Error };

struct FileBytes {
    ReadStatus status = ReadStatus::Error;
    std::vector<char> bytes; // the file's leading bytes, at most maxBytes
    bool longer = false;     // the file goes on beyond maxBytes
    std::string problem;     // Error: what went wrong, in English ("not a regular file")
};

// Reads at most maxBytes from the start of the file, opening it once by its
// name and reading through that descriptor up to its end (or the cap), so a
// file replaced meanwhile is read whole, old or new. Opening never blocks: a
// FIFO or device is not waited on but reported as an Error ("not a regular
// file"), as are a folder and a dangling link. Only a name that does not
// exist (nor its folder) is Missing.
FileBytes readFileUpTo(const std::filesystem::path& file, std::size_t maxBytes);

// Replaces the file with exactly these bytes. They go to a temporary file of
// its own (a fresh, unique name in the same folder, created exclusively and
// never through a link), are flushed to disk and renamed over the target, so
// a reader or a crash only ever sees the whole old or the whole new file and
// two processes saving the same file at once never disturb each other.
// An existing target keeps its permission bits (and, where allowed, its
// owner). Returns false, leaving the old file untouched, on any failure, and
// refuses to replace a target that is not a regular file, that the user may
// not write, or that is marked read-only (no write permission for anyone,
// which holds even for an administrator).
bool writeFileAtomically(const std::filesystem::path& file, const void* data, std::size_t size);
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Creates an empty file when none exists (never through a link and never
// waiting on a FIFO); true when a regular file exists afterwards.
bool createEmptyFileIfMissing(const std::filesystem::path& file);

} // namespace trop
