// Writing a file atomically, for drawings and exported pictures alike: the bytes go to a temporary
// file beside it that replaces the old file only once complete, so a failure leaves no partial
// file and the old one untouched.
#pragma once

#include <QByteArray>

#include <string>

// Writes bytes as the file name; false with a one-phrase reason (the system's, where it gave one)
// when any step fails, the temporary file then removed.
bool save_atomically(const std::string& name, const QByteArray& bytes, std::string& reason);
// The system's message for an errno value as a phrase: "no space left on device".
std::string system_reason(int error);
