// Writing a file atomically, for drawings and exported pictures alike: the bytes go to a temporary
// file beside it that replaces the old file only once complete, so a failure leaves no partial
// file and the old one untouched. The C++ standard library and POSIX only.
#pragma once

#include <string>
#include <string_view>

// Writes bytes as the file name; false with a one-phrase reason (the system's, where it gave one)
// when any step fails, the temporary file then removed. A symbolic link is followed to its
// target, an existing file keeps its permissions, a new one gets 0666 less the umask.
bool save_atomically(const std::string& name, std::string_view bytes, std::string& reason);
// The system's message for an errno value as a phrase: "no space left on device".
std::string system_reason(int error);
// The folder a path names a file in: "." for a bare name, "/" for one at the root.
std::string folder_of(const std::string& path);
