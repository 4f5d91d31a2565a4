#include "tests/test_support.h"

#include "core/trace.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <grp.h>
#include <unistd.h>

namespace {

// The trace reaches descriptor 1 from a writer thread: what was traced before a swap of the
// descriptor must be out first, or it would land in the wrong file.
void wait_for_trace()
{
    if (!trace_wait_written(std::chrono::seconds(30))) throw std::runtime_error("trace not written");
    std::fflush(stdout);
}

}  // namespace

TraceCapture::TraceCapture()
{
    char name[] = "/tmp/quadrix-trace-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("mkstemp");
    path_ = name;
    wait_for_trace();
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
    wait_for_trace();
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

bool same_record(const ShapeRecord& r, std::initializer_list<int> v)
{
    const int* f = v.begin();
    return v.size() == 7 && r.type == f[0] && r.x1 == f[1] && r.x2 == f[2] && r.x3 == f[3] && r.y1 == f[4] &&
           r.y2 == f[5] && r.y3 == f[6];
}

std::string le32(int32_t v)
{
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
    return out;
}
