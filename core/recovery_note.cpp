// The note is text: a first line naming the format, then per entry a line "HASH LENGTH" and the
// name's bytes on the next line (a length, because a path may hold a newline).
#include "core/recovery_note.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <system_error>

namespace {

constexpr std::string_view HEADER = "quadrix recovery note 1\n";

void add_entry(std::string& out, const RecoveryEntry& entry)
{
    char line[64];
    std::snprintf(line, sizeof line, "%016" PRIx64 " %zu\n", entry.hash, entry.file_name.size());
    out += line;
    out += entry.file_name;
    out += '\n';
}

// Reads one entry from the front of text, advancing it; false when it is not one. The text comes
// from the disk and may be anything: digits only (no sign, space or prefix), no overflow.
bool take_entry(std::string_view& text, RecoveryEntry& entry)
{
    const auto eol = text.find('\n');
    if (eol == std::string_view::npos || eol > 40) return false;
    const std::string_view line = text.substr(0, eol);
    if (line.size() < 18 || line[16] != ' ') return false;
    const char* hash_end = line.data() + 16;
    const auto hash = std::from_chars(line.data(), hash_end, entry.hash, 16);
    if (hash.ec != std::errc() || hash.ptr != hash_end) return false;
    std::uint64_t length = 0;
    const char* line_end = line.data() + line.size();
    const auto digits = std::from_chars(hash_end + 1, line_end, length, 10);
    if (digits.ec != std::errc() || digits.ptr != line_end) return false;
    text.remove_prefix(eol + 1);
    // Compared with what is left before anything is added to it.
    if (length >= text.size() || text[length] != '\n') return false;
    entry.file_name = std::string(text.substr(0, length));
    text.remove_prefix(length + 1);
    return true;
}

}  // namespace

std::uint64_t records_hash(const ObjectList& list)
{
    std::uint64_t h = 14695981039346656037ull;
    auto mix = [&h](int32_t value) {
        const auto u = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i) {
            h ^= (u >> (8 * i)) & 0xFFu;
            h *= 1099511628211ull;
        }
    };
    const int n = list_count(&list);
    for (int i = 0; i < n; ++i) {
        const ShapeRecord r = list_get(&list, i);
        for (int32_t field : {r.type, r.x1, r.x2, r.x3, r.y1, r.y2, r.y3}) mix(field);
    }
    return h;
}

std::string encode_recovery_note(const RecoveryNote& note)
{
    std::string out(HEADER);
    add_entry(out, note.current);
    add_entry(out, note.previous);
    return out;
}

std::optional<RecoveryNote> decode_recovery_note(std::string_view text)
{
    if (text.substr(0, HEADER.size()) != HEADER) return std::nullopt;
    text.remove_prefix(HEADER.size());
    RecoveryNote note;
    if (!take_entry(text, note.current) || !take_entry(text, note.previous) || !text.empty())
        return std::nullopt;
    return note;
}

std::optional<std::string> file_name_for(const RecoveryNote& note, const ObjectList& figures)
{
    const std::uint64_t hash = records_hash(figures);
    if (hash == note.current.hash) return note.current.file_name;
    if (hash == note.previous.hash) return note.previous.file_name;
    return std::nullopt;
}
