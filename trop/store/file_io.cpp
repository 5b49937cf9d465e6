#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace trop {

FileBytes readFileUpTo(const std::filesystem::path& file, std::size_t maxBytes)
{
    FileBytes result;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.status = (errno == ENOENT) ? ReadStatus::Missing : ReadStatus::Error;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return result;
    }
    // Size the buffer from the file, not from the cap: most store files are
    // far smaller than their tables. It grows if the file grows meanwhile.
    const auto fileSize = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
    result.bytes.resize(std::min(maxBytes, fileSize));
    std::size_t filled = 0;
    while (filled < maxBytes) {
        if (filled == result.bytes.size())
            result.bytes.resize(std::min(maxBytes, std::max<std::size_t>(filled * 2, 4096)));
        const ssize_t got = ::read(fd, result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    result.bytes.resize(filled);
    result.status = ReadStatus::Ok;
    return result;
}

static bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool writeFileAtomically(const std::filesystem::path& file, const void* data, std::size_t size)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp~";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, static_cast<const char*>(data), size) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    return writeFileAtomically(file, bytes.data(), bytes.size());
}

bool createEmptyFileIfMissing(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    return (::close(fd) == 0) && regular;
}

} // namespace trop
