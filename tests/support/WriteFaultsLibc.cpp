// The C library functions WriteFaults strikes, defined in the test program so that every caller
// (Qt included) reaches them first; each forwards to the real function found after this program.
// Nothing here may use Qt: it runs inside Qt's own calls.

#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <limits.h>
#include <mutex>
#include <string>

namespace {

struct State
{
    std::mutex mutex;
    std::string folder; // with a trailing '/'
    int failAt = 0; // 0: none
    long long diskLeft = -1; // -1: no limit
    int operations = 0;
    const char *struck = nullptr;
};

std::atomic<bool> armed { false };

State &state()
{
    static State s;
    return s;
}

template<typename F> F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool underFolder(const std::string &path)
{
    const std::string &folder = state().folder;
    return path.compare(0, folder.size(), folder) == 0;
}

bool fdUnderFolder(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    return underFolder(std::string(target, size_t(n)));
}

bool pathUnderFolder(const char *path)
{
    if (!path)
        return false;
    if (path[0] == '/')
        return underFolder(path);
    char cwd[PATH_MAX];
    return ::getcwd(cwd, sizeof cwd) && underFolder(std::string(cwd) + '/' + path);
}

// Counts one operation on a file of the folder; true when it is the one to fail.
bool strikes(const char *name)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    ++s.operations;
    if (s.failAt > 0 && s.operations == s.failAt) {
        if (!s.struck)
            s.struck = name;
        return true;
    }
    return false;
}

// How many of `count` bytes written at `offset` (-1: the file position) fit on the full disk, or -1
// when there is no limit.
long long bytesThatFit(int fd, long long offset, size_t count)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    if (s.diskLeft < 0)
        return -1;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        return -1;
    if (offset < 0) {
        const int flags = ::fcntl(fd, F_GETFL);
        offset = (flags >= 0 && (flags & O_APPEND)) ? info.st_size : ::lseek(fd, 0, SEEK_CUR);
    }
    const long long end = offset + (long long)count;
    const long long growth = end > info.st_size ? end - (long long)(offset > info.st_size ? offset : info.st_size) : 0;
    if (growth <= s.diskLeft) {
        s.diskLeft -= growth;
        return (long long)count;
    }
    const long long fit = (long long)count - (growth - s.diskLeft);
    s.diskLeft = 0;
    if (!s.struck)
        s.struck = "write";
    return fit > 0 ? fit : 0;
}

int fail(int error)
{
    errno = error;
    return -1;
}

// pwrite and pwrite64 alike.
template<typename Next, typename Offset>
ssize_t writeAtOffset(Next next, int fd, const void *buffer, size_t count, Offset offset)
{
    if (armed && fdUnderFolder(fd)) {
        if (strikes("pwrite"))
            return fail(EIO);
        const long long fit = bytesThatFit(fd, offset, count);
        if (fit == 0)
            return fail(ENOSPC);
        if (fit > 0)
            count = size_t(fit);
    }
    return next(fd, buffer, count, offset);
}

} // namespace

namespace write_faults_detail {

void arm(const char *folder, int failAt, long long diskBytes)
{
    State &s = state();
    {
        std::lock_guard lock(s.mutex);
        s.folder = folder;
        if (s.folder.empty() || s.folder.back() != '/')
            s.folder += '/';
        s.failAt = failAt;
        s.diskLeft = diskBytes;
        s.operations = 0;
        s.struck = nullptr;
    }
    armed = true;
}

void disarm()
{
    armed = false;
}

int operations()
{
    std::lock_guard lock(state().mutex);
    return state().operations;
}

const char *struck()
{
    std::lock_guard lock(state().mutex);
    return state().struck;
}

bool available()
{
    return dlsym(RTLD_NEXT, "write") != nullptr;
}

} // namespace write_faults_detail

extern "C" {

ssize_t write(int fd, const void *buffer, size_t count)
{
    static const auto next = real<ssize_t (*)(int, const void *, size_t)>("write");
    if (armed && fdUnderFolder(fd)) {
        if (strikes("write"))
            return fail(EIO);
        const long long fit = bytesThatFit(fd, -1, count);
        if (fit == 0)
            return fail(ENOSPC);
        if (fit > 0)
            count = size_t(fit);
    }
    return next(fd, buffer, count);
}

ssize_t pwrite(int fd, const void *buffer, size_t count, off_t offset)
{
    static const auto next = real<ssize_t (*)(int, const void *, size_t, off_t)>("pwrite");
    return writeAtOffset(next, fd, buffer, count, offset);
}

ssize_t pwrite64(int fd, const void *buffer, size_t count, off64_t offset)
{
    static const auto next = real<ssize_t (*)(int, const void *, size_t, off64_t)>("pwrite64");
    return writeAtOffset(next, fd, buffer, count, offset);
}

ssize_t writev(int fd, const struct iovec *parts, int partCount)
{
    static const auto next = real<ssize_t (*)(int, const struct iovec *, int)>("writev");
    if (armed && fdUnderFolder(fd)) {
        if (strikes("writev"))
            return fail(EIO);
        size_t count = 0;
        for (int i = 0; i < partCount; ++i)
            count += parts[i].iov_len;
        long long fit = bytesThatFit(fd, -1, count);
        if (fit == 0 && count > 0)
            return fail(ENOSPC);
        if (fit >= 0 && size_t(fit) < count) {
            // Only the parts, or the part of a part, that fit.
            struct iovec kept[IOV_MAX];
            int keptCount = 0;
            for (int i = 0; i < partCount && i < IOV_MAX && fit > 0; ++i) {
                kept[keptCount] = parts[i];
                if ((long long)kept[keptCount].iov_len > fit)
                    kept[keptCount].iov_len = size_t(fit);
                fit -= (long long)kept[keptCount].iov_len;
                ++keptCount;
            }
            return next(fd, kept, keptCount);
        }
    }
    return next(fd, parts, partCount);
}

int fsync(int fd)
{
    static const auto next = real<int (*)(int)>("fsync");
    if (armed && fdUnderFolder(fd) && strikes("fsync"))
        return fail(EIO);
    return next(fd);
}

int fdatasync(int fd)
{
    static const auto next = real<int (*)(int)>("fdatasync");
    if (armed && fdUnderFolder(fd) && strikes("fdatasync"))
        return fail(EIO);
    return next(fd);
}

int ftruncate(int fd, off_t length) noexcept
{
    static const auto next = real<int (*)(int, off_t)>("ftruncate");
    if (armed && fdUnderFolder(fd) && strikes("ftruncate"))
        return fail(EIO);
    return next(fd, length);
}

int ftruncate64(int fd, off64_t length) noexcept
{
    static const auto next = real<int (*)(int, off64_t)>("ftruncate64");
    if (armed && fdUnderFolder(fd) && strikes("ftruncate"))
        return fail(EIO);
    return next(fd, length);
}

int close(int fd)
{
    static const auto next = real<int (*)(int)>("close");
    // The handle is released either way, as the system does when a close reports an error.
    const bool fails = armed && fdUnderFolder(fd) && strikes("close");
    const int result = next(fd);
    return fails ? fail(EIO) : result;
}

int rename(const char *from, const char *to) noexcept
{
    static const auto next = real<int (*)(const char *, const char *)>("rename");
    if (armed && (pathUnderFolder(from) || pathUnderFolder(to)) && strikes("rename"))
        return fail(EIO);
    return next(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to) noexcept
{
    static const auto next = real<int (*)(int, const char *, int, const char *)>("renameat");
    if (armed && (pathUnderFolder(from) || pathUnderFolder(to)) && strikes("rename"))
        return fail(EIO);
    return next(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags) noexcept
{
    static const auto next = real<int (*)(int, const char *, int, const char *, unsigned int)>("renameat2");
    if (armed && (pathUnderFolder(from) || pathUnderFolder(to)) && strikes("rename"))
        return fail(EIO);
    return next(fromDir, from, toDir, to, flags);
}

int linkat(int fromDir, const char *from, int toDir, const char *to, int flags) noexcept
{
    static const auto next = real<int (*)(int, const char *, int, const char *, int)>("linkat");
    if (armed && pathUnderFolder(to) && strikes("link"))
        return fail(EIO);
    return next(fromDir, from, toDir, to, flags);
}

} // extern "C"
