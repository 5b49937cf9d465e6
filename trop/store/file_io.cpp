#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace trop {

namespace {

std::string errorText(int error) { return std::generic_category().message(error); }

// A name that exists although opening it found nothing is a dangling link.
ReadStatus statusOfFailedOpen(const std::filesystem::path& file, int error, std::string& problem)
{
    struct stat info {};
    if ((error == ENOENT || error == ENOTDIR) && ::lstat(file.c_str(), &info) != 0)
        return ReadStatus::Missing;
    problem = (error == ENOENT) ? "dangling link" : errorText(error);
    return ReadStatus::Error;
}

// Reads until the end of the file or until size bytes are in; -1 on error.
ssize_t readUpTo(int fd, char* data, std::size_t size)
{
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ::read(fd, data + filled, size - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(filled);
}

bool readOpenFile(int fd, std::size_t maxBytes, FileBytes& result)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.problem = errorText(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        result.problem = "not a regular file";
        return false;
    }
    // Size the buffer from the file, not from the cap: most store files are
    // far smaller than their tables. It grows if the file grows meanwhile.
    const auto fileSize = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
    result.bytes.resize(std::min(maxBytes, fileSize));
    std::size_t filled = 0;
    for (;;) {
        if (filled == result.bytes.size()) {
            if (filled == maxBytes)
                break;
            result.bytes.resize(std::min(maxBytes, std::max<std::size_t>(filled * 2, 4096)));
        }
        const ssize_t got = readUpTo(fd, result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0) {
            result.problem = errorText(errno);
            return false;
        }
        filled += static_cast<std::size_t>(got);
        if (filled < result.bytes.size())
            break; // the end of the file
    }
    result.bytes.resize(filled);
    char probe = 0;
    const ssize_t beyond = filled == maxBytes ? readUpTo(fd, &probe, 1) : 0;
    if (beyond < 0) {
        result.problem = errorText(errno);
        return false;
    }
    result.longer = beyond > 0;
    return true;
}

} // namespace

FileBytes readFileUpTo(const std::filesystem::path& file, std::size_t maxBytes)
{
    FileBytes result;
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.status = statusOfFailedOpen(file, errno, result.problem);
        return result;
    }
    const bool read = readOpenFile(fd, maxBytes, result);
    ::close(fd);
    if (!read) {
        result.bytes.clear();
        result.longer = false;
        return result;
    }
    result.status = ReadStatus::Ok;
    return result;
}

namespace {

bool writeAll(int fd, const char* data, std::size_t size)
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

// What a save keeps of the file it replaces.
struct Target {
    bool exists = false;
    struct stat info {};
};

// False when the target must not be replaced: not a regular file, not
// writable by this user, or marked read-only for everybody.
bool inspectTarget(const std::filesystem::path& file, Target& target)
{
    if (::stat(file.c_str(), &target.info) != 0) {
        struct stat link {};
        return errno == ENOENT && ::lstat(file.c_str(), &link) != 0; // a new file, not a dangling link
    }
    target.exists = true;
    return S_ISREG(target.info.st_mode) && (target.info.st_mode & 0222) != 0
           && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

std::string randomSuffix()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}() ^ (std::uint64_t(::getpid()) << 32)};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(8, 'a');
    for (char& c : suffix)
        c = kLetters[pick(generator)];
    return suffix;
}

// A fresh temporary file beside the target: created exclusively, so neither
// another save's file nor a link of that name is ever opened.
int createTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = file.filename().string();
        name += '.';
        name += randomSuffix();
        name += ".tmp~";
        temporary = file.parent_path() / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool keepModeAndOwner(int fd, const Target& target)
{
    if (!target.exists)
        return true;
    const struct stat& info = target.info;
    if (info.st_uid != ::geteuid() || info.st_gid != ::getegid())
        (void)::fchown(fd, info.st_uid, info.st_gid); // only an administrator may; not a failure
    return ::fchmod(fd, info.st_mode & 07777) == 0;
}

void syncFolderOf(const std::filesystem::path& file)
{
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& file, const void* data, std::size_t size)
{
    Target target;
    if (!inspectTarget(file, target))
        return false;
    std::filesystem::path temporary;
    const int fd = createTemporaryBeside(file, temporary);
    if (fd < 0)
        return false;
    // The mode first, so a private file is never readable through its copy.
    const bool written = keepModeAndOwner(fd, target) && writeAll(fd, static_cast<const char*>(data), size)
                         && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolderOf(file); // makes the rename itself durable
    return true;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    return writeFileAtomically(file, bytes.data(), bytes.size());
}

bool createEmptyFileIfMissing(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0)
        return ::close(fd) == 0;
    if (errno != EEXIST)
        return false;
    const int existing = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (existing < 0)
        return false;
    struct stat info {};
    const bool regular = ::fstat(existing, &info) == 0 && S_ISREG(info.st_mode);
    ::close(existing);
    return regular;
}

} // namespace trop
