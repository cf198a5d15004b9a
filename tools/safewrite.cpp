// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "safewrite.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wordlist {
namespace {

std::string lastError() { return std::strerror(errno); }

// Writes all of `text` to `fd`, resuming after interruptions and short writes.
bool writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(std::size_t(written));
    }
    return true;
}

std::optional<std::string> writeInPlace(const std::string &path, std::string_view text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    const bool written = writeAll(fd, text);
    const std::string error = written ? std::string() : lastError();
    if (::close(fd) != 0 && written)
        return lastError();
    if (!written)
        return error;
    return std::nullopt;
}

// The permissions a file created by a plain open() would get: 0666 less the umask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> writeFileSafely(const std::string &path, std::string_view text)
{
    namespace fs = std::filesystem;
    struct stat existing {
    };
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return writeInPlace(path, text);

    fs::path target(path);
    std::error_code ec;
    if (exists && fs::is_symlink(target, ec))
        target = fs::canonical(target, ec);
    if (ec)
        return ec.message();

    // Beside the target, so that the rename stays within one file system and is atomic; hidden,
    // so that a file browser does not show it while it is written.
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temporary = (directory / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return lastError();

    const mode_t mode = exists ? (existing.st_mode & 07777) : newFileMode();
    bool ok = writeAll(fd, text) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    std::string error = ok ? std::string() : lastError();
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = lastError();
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = lastError();
    }
    if (ok)
        return std::nullopt;
    ::unlink(temporary.c_str());
    return error;
}

} // namespace wordlist
