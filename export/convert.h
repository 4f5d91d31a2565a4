// The converter from start to exit: the command line, reading the drawing, the page, the output.
#pragma once

#include <string>
#include <vector>

constexpr int EXIT_DONE = 0;
constexpr int EXIT_FAILED = 1;  // the drawing could not be read or converted, or the output written
constexpr int EXIT_USAGE = 2;

// Runs the converter on the arguments after the program's name. Prints nothing on success; each
// failure is one line on standard error naming the file and the reason.
int export_main(const std::vector<std::string>& args, const char* version);
// Why list_read_file refused name, as one phrase: "no such file or directory", "a folder"...
std::string read_failure(const std::string& name);
