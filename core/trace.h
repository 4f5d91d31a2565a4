// The console trace: printf-style lines to standard output, each handed to a writer thread of its
// own (core/trace_writer.h) as the event happens, so that the console sees every event when it
// happens while a slow, stalled or vanished reader never holds up or ends the editor.
#pragma once

#include <chrono>
#include <cstdarg>
#include <cstddef>

void trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Bytes of trace that may wait for a slow reader; what comes beyond is dropped and counted.
constexpr std::size_t TRACE_BOUND = 4 * 1024 * 1024;

// Called first thing in main: ignores SIGPIPE, puts /dev/null on standard output if it is closed
// (so no file the program opens later becomes descriptor 1 and receives the trace), and starts
// the writer while memory is surely there.
void trace_start();

// Waits until everything traced before the call is written (or discarded because standard output
// failed), for at most limit; true when nothing of it is left waiting.
bool trace_wait_written(std::chrono::milliseconds limit);
