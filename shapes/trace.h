// The console trace: printf-style lines to standard output, flushed after each event so that a
// console or a pipe sees every event as it happens.
#pragma once

#include <cstdarg>

void trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
