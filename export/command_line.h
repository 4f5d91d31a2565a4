// The converter's command line: options, the two file names, and what was wrong with them.
#pragma once

#include "export/drivers.h"
#include "export/page.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class PageChoice { Canvas, Size, Fit };
enum class Action { Convert, Help, Version, Usage };

struct ExportCommand {
    Action action = Action::Usage;
    std::string problem;          // for Usage: what was wrong, one phrase
    std::string input, output;
    const Driver* driver = nullptr;
    PageChoice page = PageChoice::Canvas;
    Page size;                    // for PageChoice::Size
};

// Reads the arguments after the program's name.
ExportCommand parse_command_line(const std::vector<std::string>& args);
// "WxH" with each side 1 to MAX_PAGE_SIDE, digits only; nothing for anything else.
std::optional<Page> parse_size(std::string_view text);
// The --help text.
std::string usage_text();
