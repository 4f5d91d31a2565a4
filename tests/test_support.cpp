#include "tests/test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <grp.h>
#include <unistd.h>

TraceCapture::TraceCapture()
{
    char name[] = "/tmp/quadrix-trace-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("mkstemp");
    path_ = name;
    std::fflush(stdout);
    saved_fd_ = dup(STDOUT_FILENO);
    dup2(fd, STDOUT_FILENO);
    close(fd);
}

TraceCapture::~TraceCapture()
{
    // Whatever was not taken (a failure message of the test itself, say) still reaches the console.
    std::string rest = take();
    dup2(saved_fd_, STDOUT_FILENO);
    std::fwrite(rest.data(), 1, rest.size(), stdout);
    std::fflush(stdout);
    close(saved_fd_);
    std::remove(path_.c_str());
}

std::string TraceCapture::take()
{
    std::fflush(stdout);
    std::string all = read_all(path_);
    std::string fresh = all.substr(static_cast<size_t>(offset_));
    offset_ = static_cast<long>(all.size());
    return fresh;
}

TempDir::TempDir()
{
    char name[] = "/tmp/quadrix-test-XXXXXX";
    if (!mkdtemp(name)) throw std::runtime_error("mkdtemp");
    path_ = name;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Tests may leave read-only folders behind; make them writable again before removing.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

bool drop_privileges()
{
    if (geteuid() != 0) return true;
    return setgroups(0, nullptr) == 0 && setgid(NOBODY) == 0 && setuid(NOBODY) == 0 && getuid() == NOBODY;
}

void give_to_nobody(const std::string& path)
{
    if (geteuid() == 0 && chown(path.c_str(), NOBODY, NOBODY) != 0) throw std::runtime_error("chown " + path);
}

std::string read_all(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void write_all(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
