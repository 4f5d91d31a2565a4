// What the fuzz targets share: a broken promise aborts with its text, and the one scratch file
// each target writes every input to, so the reader under test reads a real file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Aborts (a finding for libFuzzer) naming the promise when ok is false.
void require(bool ok, const char* promise);
// A new empty file under $TMPDIR (or /tmp) whose name starts with prefix.
std::string make_scratch_file(const char* prefix);
// Replaces the file's content with the input, every byte.
void write_scratch_file(const std::string& path, const uint8_t* data, size_t size);
