// The note kept beside a recovery copy. The copy itself is a plain drawing file (core/shape_file.h)
// that File > Open and the converter read; the note says which file its figures belong to. It is
// written before the copy and names two states, the one being written and the one written before,
// each with a hash of its figures: a copy whose write was cut short still holds the earlier figures,
// and the note still knows their file.
#pragma once

#include "core/shape_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct RecoveryEntry {
    std::uint64_t hash = 0;   // records_hash of the figures
    std::string file_name;    // the file they belong to, the blank " " for none
};

struct RecoveryNote {
    RecoveryEntry current;    // what the copy holds once its write is complete
    RecoveryEntry previous;   // what it held before (the same entry when there was nothing before)
};

// FNV-1a over the figures' file bytes, in order.
std::uint64_t records_hash(const ObjectList& list);
std::string encode_recovery_note(const RecoveryNote& note);
// Nothing when the text is not a whole note.
std::optional<RecoveryNote> decode_recovery_note(std::string_view text);
// The file name that goes with the figures read from the copy; nothing when neither entry matches
// them, i.e. the copy is not one the note was written for.
std::optional<std::string> file_name_for(const RecoveryNote& note, const ObjectList& figures);
