// Drawing files: the used records of the list one after another, 28 little-endian bytes each,
// with no header. Saving replaces the old file only once the new one is complete on disk.
#pragma once

#include "core/shape_list.h"

#include <string>
#include <string_view>

// Writes the first count records; returns count, or -1 (old file untouched) on any failure.
// A symbolic link is followed and the file keeps its permissions; a folder that takes no
// temporary file fails the save rather than overwriting the old file in place.
int list_write_file(const std::string& name, const ObjectList* list);
// Reads at most 200 whole records of a regular file; returns their number, or -1 with the list
// untouched when the file cannot be read or is no regular file (never blocks on a FIFO).
int list_read_file(const std::string& name, ObjectList* list);
// The first count records as a file holds them, in memory (the clipboard's form of figures).
std::string list_bytes(const ObjectList* list);
// The whole records of bytes, at most 200, read as a file is; returns their number.
int list_read_bytes(std::string_view bytes, ObjectList* list);
