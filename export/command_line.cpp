// Parsing the command line. Options may come before, between or after the two file names; "--"
// ends them, for a file whose name starts with a dash. Start at parse_command_line at the bottom.
#include "export/command_line.h"

#include <cctype>

namespace {

const std::string SIDES = "1 to " + std::to_string(MAX_PAGE_SIDE);

// The formats' names in capitals, as a sentence names them: "SVG, PDF or PNG".
std::string upper_names()
{
    std::string s = format_names(", ", " or ");
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s.replace(s.rfind(" OR "), 4, " or ");
}

// Digits only, at most five of them (MAX_PAGE_SIDE has five), so no value can overflow.
std::optional<int> side(std::string_view text)
{
    if (text.empty() || text.size() > 5) return std::nullopt;
    int v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > MAX_PAGE_SIDE) return std::nullopt;
    return v;
}

ExportCommand usage(std::string problem)
{
    ExportCommand c;
    c.problem = std::move(problem);
    return c;
}

// An option's value: the rest of "--name=value", or the next argument.
std::optional<std::string> value_of(const std::vector<std::string>& args, size_t& i, std::string_view name)
{
    const std::string& a = args[i];
    if (a.size() > name.size() && a[name.size()] == '=') return a.substr(name.size() + 1);
    if (i + 1 >= args.size()) return std::nullopt;
    return args[++i];
}

bool is_option(const std::string& a, std::string_view name)
{
    return a.compare(0, name.size(), name) == 0 && (a.size() == name.size() || a[name.size()] == '=');
}

// One option at args[i]; false, with c turned into a usage error, when it is wrong.
bool take_option(const std::vector<std::string>& args, size_t& i, ExportCommand& c, bool& fit, bool& sized)
{
    const std::string& a = args[i];
    if (a == "--fit") {
        fit = true;
    } else if (is_option(a, "--size")) {
        const std::optional<std::string> v = value_of(args, i, "--size");
        if (!v) return c = usage("--size needs a size such as 1920x1080"), false;
        const std::optional<Page> p = parse_size(*v);
        if (!p) return c = usage("bad size '" + *v + "': WxH, each side " + SIDES), false;
        c.size = *p;
        sized = true;
    } else if (is_option(a, "--format")) {
        const std::optional<std::string> v = value_of(args, i, "--format");
        if (!v) return c = usage("--format needs one of " + format_names(", ", ", ")), false;
        c.driver = find_driver(*v);
        if (!c.driver) return c = usage("unknown format '" + *v + "': " + format_names(", ", " or ")), false;
    } else {
        return c = usage("unknown option '" + a + "'"), false;
    }
    return true;
}

// Checks what the options and names add up to, and fills in the page and the format.
ExportCommand finish(ExportCommand c, const std::vector<std::string>& names, bool fit, bool sized)
{
    if (fit && sized) return usage("--fit and --size exclude each other");
    if (names.size() < 2) return usage(names.empty() ? "missing the drawing and the output file" : "missing the output file");
    if (names.size() > 2) return usage("one drawing and one output file, not " + std::to_string(names.size()) + " names");
    c.input = names[0], c.output = names[1];
    if (!c.driver) c.driver = driver_for_file(c.output);
    if (!c.driver) return usage("cannot tell the format of '" + c.output + "': name it " + format_names(", ", " or ", ".") + ", or use --format");
    c.page = fit ? PageChoice::Fit : sized ? PageChoice::Size : PageChoice::Canvas;
    c.action = Action::Convert;
    return c;
}

}  // namespace

std::optional<Page> parse_size(std::string_view text)
{
    const size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const std::optional<int> w = side(text.substr(0, x)), h = side(text.substr(x + 1));
    if (!w || !h) return std::nullopt;
    return Page{*w, *h};
}

ExportCommand parse_command_line(const std::vector<std::string>& args)
{
    ExportCommand c;
    std::vector<std::string> names;
    bool fit = false, sized = false, options_done = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (options_done || a.size() < 2 || a[0] != '-') {
            names.push_back(a);
        } else if (a == "--") {
            options_done = true;
        } else if (a == "--help" || a == "--version") {
            ExportCommand done;
            done.action = a == "--help" ? Action::Help : Action::Version;
            return done;
        } else if (!take_option(args, i, c, fit, sized)) {
            return c;
        }
    }
    return finish(c, names, fit, sized);
}

std::string usage_text()
{
    const std::string names = format_names(", ", " or ");
    return "Usage: quadrix-export [--fit | --size WxH] [--format " + format_names("|", "|") + "] DRAWING OUTPUT\n"
           "Converts a Quadrix drawing (.edt) to " + upper_names() + ", the format given by OUTPUT's\n"
           "extension unless --format names it.\n"
           "\n"
           "  --size WxH     a page of W by H pixels (" + SIDES + " each), instead of the editor's\n"
           "                 " + std::to_string(CANVAS_WIDTH) + "x" + std::to_string(CANVAS_HEIGHT) +
           " canvas at start-up\n"
           "  --fit          a page just around the figures, with a " + std::to_string(FIT_MARGIN) + "-pixel margin\n"
           "  --format NAME  " + names + ", whatever OUTPUT is called\n"
           "  --help         this text\n"
           "  --version      the program's name and version\n"
           "\n"
           "Exit status: 0 done, 1 the drawing could not be read or the output not written,\n"
           "2 a usage error.\n";
}
