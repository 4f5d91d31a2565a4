// The atomic writer, step by step as save_atomically at the bottom takes them: find the file a
// link stands for, make a temporary file in its folder, write and sync every byte, give it the
// old file's permissions, rename it over the target, sync the folder so the rename lasts.
// No direct-write fallback: writing in place would truncate the old file first.
#include "core/atomic_save.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MAX_LINKS = 40;         // as the kernel's own limit on a path's links
constexpr int NAME_ATTEMPTS = 100;    // temporary names tried before giving up
constexpr size_t KEPT_BASE = 100;     // of the target's name, in the temporary's, within NAME_MAX

bool fail(std::string& reason, int error)
{
    reason = system_reason(error);
    return false;
}

// The file name stands for: a chain of symbolic links followed, relative ones from their folder.
bool follow_links(const std::string& name, std::string& target, std::string& reason)
{
    target = name;
    for (int i = 0; i < MAX_LINKS; ++i) {
        struct stat st {};
        if (lstat(target.c_str(), &st) != 0) return errno == ENOENT ? true : fail(reason, errno);
        if (!S_ISLNK(st.st_mode)) return true;
        char link[4096];
        const ssize_t n = readlink(target.c_str(), link, sizeof link - 1);
        if (n < 0) return fail(reason, errno);
        const std::string to(link, size_t(n));
        target = to[0] == '/' ? to : folder_of(target) + "/" + to;
    }
    return fail(reason, ELOOP);
}

std::string random_suffix()
{
    uint64_t v = 0;
    if (getrandom(&v, sizeof v, GRND_NONBLOCK) != sizeof v) v = uint64_t(time(nullptr)) ^ (uint64_t(getpid()) << 32);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
    return text;
}

// A new file ".NAME.XXXX" in the target's folder, created with 0666 so the umask applies as for
// any new file; -1 with errno when none can be made.
int make_temporary(const std::string& target, std::string& temporary)
{
    const size_t slash = target.rfind('/');
    const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, KEPT_BASE);
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    for (int i = 0; i < NAME_ATTEMPTS; ++i) {
        temporary = folder + "." + base + "." + random_suffix();
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Every byte, across short writes and signals, then synced: the kernel reports some errors only
// at the sync.
bool write_fully(int fd, std::string_view bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (put == 0) errno = ENOSPC;
            return false;
        }
        done += size_t(put);
    }
    while (fsync(fd) != 0)
        if (errno != EINTR) return false;
    return true;
}

// The old file's permission bits, when there is one.
bool keep_permissions(int fd, const std::string& target)
{
    struct stat st {};
    if (stat(target.c_str(), &st) != 0) return errno == ENOENT;
    return fchmod(fd, st.st_mode & 07777) == 0;
}

// Makes the rename durable where it can. Once renamed the complete file is at the name, so a
// folder that cannot be opened for reading (write and search permission only) or synced does
// not turn the save into a failure.
void sync_folder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// The temporary file written, closed and renamed over the target; on failure errno says why.
bool replace_with(int fd, const std::string& temporary, const std::string& target, std::string_view bytes)
{
    const bool written = write_fully(fd, bytes) && keep_permissions(fd, target);
    const int saved = errno;
    if (close(fd) != 0 && written) return false;
    errno = saved;
    return written && rename(temporary.c_str(), target.c_str()) == 0;
}

}  // namespace

std::string folder_of(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool save_atomically(const std::string& name, std::string_view bytes, std::string& reason)
{
    std::string target, temporary;
    if (!follow_links(name, target, reason)) return false;
    struct stat st {};
    if (stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        reason = "a folder";
        return false;
    }
    const int fd = make_temporary(target, temporary);
    if (fd < 0) return fail(reason, errno);
    if (!replace_with(fd, temporary, target, bytes)) {
        const int error = errno;
        unlink(temporary.c_str());
        return fail(reason, error);
    }
    sync_folder(folder_of(target));
    return true;
}

std::string system_reason(int error)
{
    std::string s = std::strerror(error);
    if (!s.empty() && s[0] >= 'A' && s[0] <= 'Z') s[0] = char(s[0] - 'A' + 'a');
    return s;
}
