// The output file through QSaveFile. Unbuffered, so every failed write shows to the writer: on
// Qt 6.4 commit() does not notice a failure of its own final flush and would rename a truncated
// file into place. The fsync catches errors the kernel reports only later. No direct-write
// fallback: writing in place truncates the old file first.
#include "export/save_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string phrase(const QString& text)
{
    std::string s = text.toStdString();
    if (!s.empty() && s[0] >= 'A' && s[0] <= 'Z' && (s.size() < 2 || !(s[1] >= 'A' && s[1] <= 'Z')))
        s[0] = char(s[0] - 'A' + 'a');
    return s.empty() ? "unknown error" : s;
}

bool is_folder(const std::string& name)
{
    struct stat st {};
    return stat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool save_atomically(const std::string& name, const std::function<bool(QIODevice&, std::string&)>& write,
                     std::string& reason)
{
    if (is_folder(name)) {
        reason = "a folder";
        return false;
    }
    QSaveFile file(QFile::decodeName(name.c_str()));
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = phrase(file.errorString());
        return false;
    }
    if (!write(file, reason)) {
        if (file.error() != QFileDevice::NoError) reason = phrase(file.errorString());
        return false;
    }
    if (fsync(file.handle()) != 0) {
        reason = phrase(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (file.commit()) return true;
    reason = phrase(file.errorString());
    return false;
}
