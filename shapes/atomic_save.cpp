// The output file through QSaveFile. Unbuffered, so a failed write shows at once: commit() may
// miss a failure of its own final flush and rename a truncated file into place. The fsync catches errors the kernel reports only later. No direct-write fallback:
// writing in place truncates the old file first.
#include "shapes/atomic_save.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool is_folder(const std::string& name)
{
    struct stat st {};
    return stat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Every byte, across short writes; errno tells why when it fails.
bool write_fully(QSaveFile& file, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        errno = 0;
        const qint64 put = file.write(bytes.constData() + done, bytes.size() - done);
        if (put <= 0) return false;
        done += put;
    }
    return fsync(file.handle()) == 0;
}

}  // namespace

bool save_atomically(const std::string& name, const QByteArray& bytes, std::string& reason)
{
    if (is_folder(name)) {
        reason = "a folder";
        return false;
    }
    QSaveFile file(QFile::decodeName(name.c_str()));
    file.setDirectWriteFallback(false);
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && write_fully(file, bytes) && file.commit()) return true;
    reason = errno ? system_reason(errno) : "the file could not be written";
    return false;
}

std::string system_reason(int error)
{
    std::string s = std::strerror(error);
    if (!s.empty() && s[0] >= 'A' && s[0] <= 'Z') s[0] = char(s[0] - 'A' + 'a');
    return s;
}
