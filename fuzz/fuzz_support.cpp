#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

void require(bool ok, const char* promise)
{
    if (ok) return;
    std::fprintf(stderr, "\nbroken promise: %s\n", promise);
    std::abort();
}

std::string make_scratch_file(const char* prefix)
{
    const char* dir = std::getenv("TMPDIR");
    std::string path = std::string(dir && *dir ? dir : "/tmp") + "/" + prefix + ".XXXXXX";
    const int fd = mkstemp(path.data());
    require(fd >= 0, "a scratch file can be created");
    close(fd);
    return path;
}

void write_scratch_file(const std::string& path, const uint8_t* data, size_t size)
{
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    require(fd >= 0, "the scratch file opens");
    for (size_t done = 0; done < size;) {
        const ssize_t put = write(fd, data + done, size - done);
        require(put > 0, "the scratch file takes the whole input");
        done += static_cast<size_t>(put);
    }
    close(fd);
}
