// Drawing files: encoding records as little-endian bytes, the writer and the reader.
// Start with list_write_file and list_read_file at the bottom; the helpers above them do the bytes
// and the POSIX calls.
#include "core/shape_file.h"

#include "core/atomic_save.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int RECORD_BYTES = sizeof(ShapeRecord);
constexpr int RECORD_FIELDS = RECORD_BYTES / 4;
using Fields = std::array<int32_t, RECORD_FIELDS>;

// File order of the fields, the same as the record's own.
Fields record_fields(ShapeRecord r)
{
    return {shape_type(r), shape_x1(r), shape_x2(r), shape_x3(r), shape_y1(r), shape_y2(r), shape_y3(r)};
}

// Byte by byte rather than a memory copy, so the file stays little-endian on any host.
void put_le32(unsigned char* out, int32_t value)
{
    const auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(u >> (8 * i));
}

int32_t get_le32(const unsigned char* in)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(in[i]) << (8 * i);
    return static_cast<int32_t>(u);
}

std::string encode_records(const ObjectList* list, int n)
{
    std::string bytes(size_t(n) * RECORD_BYTES, '\0');
    auto* out = reinterpret_cast<unsigned char*>(bytes.data());
    for (int i = 0; i < n; ++i) {
        const Fields fields = record_fields(list_get(list, i));
        for (int f = 0; f < RECORD_FIELDS; ++f) put_le32(out + i * RECORD_BYTES + 4 * f, fields[f]);
    }
    return bytes;
}

void decode_record(ObjectList* list, int i, const unsigned char* in)
{
    list_set(list, i, get_le32(in), get_le32(in + 4), get_le32(in + 8), get_le32(in + 12),
             get_le32(in + 16), get_le32(in + 20), get_le32(in + 24));
}

// A name with a NUL in it would silently name a different, shorter path.
bool usable_name(const std::string& name)
{
    return !name.empty() && name.find('\0') == std::string::npos;
}

// Opens a regular file only. Devices are never opened (opening some has effects), and
// O_NONBLOCK keeps a FIFO swapped in after the stat from blocking the open.
int open_regular(const char* name)
{
    struct stat st {};
    if (stat(name, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    const int fd = open(name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

// Reads until cap bytes or end of file, across short reads and signals; -1 on a read error.
long read_up_to(int fd, unsigned char* buffer, long cap)
{
    long total = 0;
    while (total < cap) {
        const ssize_t got = read(fd, buffer + total, static_cast<size_t>(cap - total));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return -1;
        if (got == 0) break;
        total += got;
    }
    return total;
}

}  // namespace

// The new bytes replace the old file only once complete on disk (core/atomic_save.h), so a
// failure half-way never costs the old drawing.
int list_write_file(const std::string& name, const ObjectList* list)
{
    const int n = list_count(list);
    if (!usable_name(name) || n < 0 || n > LIST_CAPACITY) return -1;
    std::string reason;
    return save_atomically(name, encode_records(list, n), reason) ? n : -1;
}

// The bytes land in a scratch buffer and reach the list only when the whole read succeeded.
int list_read_file(const std::string& name, ObjectList* list)
{
    if (!usable_name(name)) return -1;
    const int fd = open_regular(name.c_str());
    if (fd < 0) return -1;
    unsigned char bytes[LIST_CAPACITY * RECORD_BYTES];
    const long got = read_up_to(fd, bytes, sizeof bytes);
    close(fd);
    if (got < 0) return -1;
    const int n = static_cast<int>(got / RECORD_BYTES);  // a trailing partial record is ignored
    for (int i = 0; i < n; ++i) decode_record(list, i, bytes + i * RECORD_BYTES);
    list->count = n;
    return n;
}

// The same bytes as a file, for the clipboard.
std::string list_bytes(const ObjectList* list)
{
    const int n = list_count(list);
    if (n < 0 || n > LIST_CAPACITY) return {};
    return encode_records(list, n);
}

int list_read_bytes(std::string_view bytes, ObjectList* list)
{
    const int n = static_cast<int>(std::min<size_t>(bytes.size() / RECORD_BYTES, LIST_CAPACITY));
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (int i = 0; i < n; ++i) decode_record(list, i, in + i * RECORD_BYTES);
    list->count = n;
    return n;
}
