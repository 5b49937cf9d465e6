// A scratch folder for one fuzzing process (on a memory file system when
// there is one, so the atomic writes' fsync costs nothing) and a way to put
// the fuzzer's input there as a store file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace trop::fuzz {

inline const std::filesystem::path& scratchFolder()
{
    // Never destroyed, so the exit handler can still remove it.
    static const std::filesystem::path* folder = [] {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base = std::filesystem::is_directory(shm) ? shm
                                                                               : std::filesystem::temp_directory_path();
        auto* made = new std::filesystem::path(base / ("trop-fuzz-" + std::to_string(::getpid())));
        std::filesystem::create_directories(*made);
        std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
        return made;
    }();
    return *folder;
}

inline void writeInput(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size)
        std::abort();
    std::fclose(out);
}

// Stops the run with a finding when a property of the code does not hold.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace trop::fuzz
