// Writing an output file atomically: the bytes go to a temporary file beside it that replaces the
// old file only once complete, so a failure leaves no partial file and the old one untouched.
#pragma once

#include <QIODevice>

#include <functional>
#include <string>

// Opens name's temporary file, lets write fill it and commits it; false with a one-phrase reason
// (from the system where it gave one) when any step fails, the temporary file then removed.
bool save_atomically(const std::string& name, const std::function<bool(QIODevice&, std::string&)>& write,
                     std::string& reason);
