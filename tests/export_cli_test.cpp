// The converter's command line and failures, through the built program: exit codes, the one line
// on standard error, the page each option gives, hostile drawings, and outputs that cannot be
// written, which must leave the old file as it was and nothing beside it.
#include "core/shape_file.h"
#include "tests/export_support.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> entries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

QStringList args_in(const TempDir& dir, const std::vector<std::string>& args)
{
    QStringList out;
    for (const std::string& a : args) out << QString::fromStdString(a.rfind("@", 0) == 0 ? dir.file(a.substr(1)) : a);
    return out;
}

}  // namespace

// Guards: a wrong command line converting anyway, a usage error with exit 1, messages that
// do not say what was wrong, several lines of complaint.
TEST(ExportCommandLine, UsageErrorsExitTwoWithOneLine)
{
    struct Case {
        std::vector<std::string> args;  // "@name": a file in the test's folder
        std::string named;              // what the line must name; "@name" as in args
    };
    const Case cases[] = {
        {{}, "drawing"},
        {{"@d.edt"}, "output"},
        {{"@d.edt", "@o.svg", "@p.svg"}, "3 names"},
        {{"--bogus", "@d.edt", "@o.svg"}, "'--bogus'"},
        {{"-f", "@d.edt", "@o.svg"}, "'-f'"},
        {{"--format", "gif", "@d.edt", "@o.svg"}, "'gif'"},
        {{"@d.edt", "@o.svg", "--format"}, "--format"},
        {{"@d.edt", "@o.svg", "--size"}, "--size"},
        {{"--size", "0x5", "@d.edt", "@o.png"}, "'0x5'"},
        {{"--size", "16385x10", "@d.edt", "@o.png"}, "'16385x10'"},
        {{"--size=99999999999x1", "@d.edt", "@o.png"}, "'99999999999x1'"},
        {{"--size", "12x", "@d.edt", "@o.png"}, "'12x'"},
        {{"--size", "-5x5", "@d.edt", "@o.png"}, "'-5x5'"},
        {{"--size", "5x5x5", "@d.edt", "@o.png"}, "'5x5x5'"},
        {{"--size", "5X5", "@d.edt", "@o.png"}, "'5X5'"},
        {{"--fit", "--size", "10x10", "@d.edt", "@o.png"}, "--fit and --size"},
        {{"@d.edt", "@o.txt"}, "'@o.txt'"},
    };
    TempDir dir;
    write_drawing(dir.file("d.edt"), mixed_figures());
    for (const Case& c : cases) {
        const ExportRun run = run_export(args_in(dir, c.args));
        std::string named = c.named;
        if (const size_t at = named.find("'@"); at != std::string::npos) named.replace(at + 1, 1, dir.path() + "/");
        EXPECT_EQ(run.code, 2) << named;
        EXPECT_EQ(run.err.rfind("quadrix-export: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(named), std::string::npos) << named << " in " << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"d.edt"}) << named;
    }
}

TEST(ExportCommandLine, HelpAndVersionGoToStandardOutput)
{
    const ExportRun version = run_export({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "quadrix-export 1.0.0\n");
    const ExportRun help = run_export({"a.edt", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("Usage: quadrix-export [--fit | --size WxH] [--format svg|pdf|png] DRAWING OUTPUT\n", 0), 0u);
    EXPECT_EQ(version.err + help.err, "");
}

// Guards: the extension overriding --format, a capital extension refused, "--" not ending options.
TEST(ExportCommandLine, FormatFromOptionOrExtension)
{
    struct Case {
        std::vector<std::string> args;
        std::string output, starts_with;
    };
    const Case cases[] = {
        {{"--format", "pdf", "@d.edt", "@out.png"}, "out.png", "%PDF-"},
        {{"--format=SVG", "@d.edt", "@out.bin"}, "out.bin", "<?xml"},
        {{"@d.edt", "@OUT.PNG"}, "OUT.PNG", "\x89PNG"},
        {{"--", "@d.edt", "@-dash.svg"}, "-dash.svg", "<?xml"},
    };
    TempDir dir;
    write_drawing(dir.file("d.edt"), mixed_figures());
    for (const Case& c : cases) {
        const ExportRun run = run_export(args_in(dir, c.args));
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(read_all(dir.file(c.output)).rfind(c.starts_with, 0), 0u) << c.output;
    }
}

// Guards: the default page not being the editor's canvas, --fit not translating in 64 bits or
// counting figures of unknown type, too large a fitted page being allocated.
TEST(ExportPage, CanvasSizeAndFit)
{
    struct Case {
        const char* name;
        std::vector<ShapeRecord> figures;
        QStringList options;
        std::vector<ShapeRecord> expected;  // the figures as they should sit on the page
        QSize page;
    };
    const std::vector<ShapeRecord> mixed = mixed_figures();
    const Case cases[] = {
        {"default page", mixed, {}, mixed, {510, 254}},
        {"--size", mixed, {"--size", "1920x1080"}, mixed, {1920, 1080}},
        {"--size 1x1", mixed, {"--size", "1x1"}, mixed, {1, 1}},
        {"fit", {{SHAPE_RECT, 200, 100, -1, 150, 100, -1}, {SHAPE_TRIANGLE, 120, 130, 140, 110, 90, 95}, {5, -9999, 0, 0, 0, 0, 0}},
         {"--fit"}, {{SHAPE_RECT, 110, 10, -1, 70, 20, -1}, {SHAPE_TRIANGLE, 30, 40, 50, 30, 10, 15}}, {121, 81}},
        {"fit near INT_MIN", {{SHAPE_ELLIPSE, INT_MIN, INT_MIN + 50, -1, INT_MIN + 30, INT_MIN, -1}},
         {"--fit"}, {{SHAPE_ELLIPSE, 10, 60, -1, 40, 10, -1}}, {71, 51}},
        {"fit of nothing known", {{3, 1, 2, 3, 4, 5, 6}}, {"--fit"}, {}, {510, 254}},
        {"fit of nothing", {}, {"--fit"}, {}, {510, 254}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        write_drawing(dir.file("d.edt"), c.figures);
        const ExportRun run = run_export(c.options + QStringList{dir.file("d.edt").c_str(), dir.file("o.png").c_str()});
        ASSERT_EQ(run.code, 0) << c.name << run.err;
        const QImage png = load_rgb32(dir.file("o.png"));
        EXPECT_EQ(png.size(), c.page) << c.name;
        EXPECT_EQ(png, drawn(list_of(c.expected), c.page.width(), c.page.height())) << c.name;
    }
}

TEST(ExportPage, FitBeyondTheLargestPageIsRefused)
{
    TempDir dir;
    write_drawing(dir.file("d.edt"), {{SHAPE_RECT, INT_MIN, INT_MAX, -1, 0, 10, -1}});
    const ExportRun run = run_export({"--fit", dir.file("d.edt").c_str(), dir.file("o.png").c_str()});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, error_line("cannot fit " + dir.file("d.edt") + ": its figures need a 4294967316x31 page, more than "
                                  "16384x16384 (try --size)"));
    EXPECT_FALSE(fs::exists(dir.file("o.png")));
}

// Guards: a file the editor refuses being converted, a hang on a FIFO or /dev/zero, a message
// without the reason.
TEST(ExportRead, UnreadableInputsExitOneNamingTheReason)
{
    TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0644), 0);
    write_drawing(dir.file("secret.edt"), mixed_figures());
    ASSERT_EQ(chmod(dir.file("secret.edt").c_str(), 0), 0);
    const struct {
        std::string input, reason;
        bool as_nobody;
    } cases[] = {
        {dir.file("missing.edt"), "no such file or directory", false},
        {dir.path(), "a folder", false},
        {dir.file("fifo"), "not a regular file", false},
        {"/dev/zero", "not a regular file", false},
        {dir.file("secret.edt"), "permission denied", true},
        {"", "an empty name", false},
    };
    for (const auto& c : cases) {
        const ExportRun run = run_export({QString::fromStdString(c.input), "/tmp/never-written.png"}, c.as_nobody);
        EXPECT_EQ(run.code, 1) << c.input;
        EXPECT_EQ(run.err, error_line("cannot read " + c.input + ": " + c.reason));
    }
    EXPECT_FALSE(fs::exists("/tmp/never-written.png"));
}

// Guards: a crash, hang or wrong picture on the files the editor survives. The PNG shows what
// the editor's reader loads; a vector format either draws it or says, in one line, which figure
// it cannot carry.
TEST(ExportRead, HostileDrawingsGiveAPictureOrOneLine)
{
    std::string records;
    for (int i = 0; i < 201; ++i) records += std::string(28, char(i % 3 == 0 ? 0 : 1)).replace(0, 4, std::string("\0\0\0\0", 4));
    TempDir dir;
    write_drawing(dir.file("limits.edt"), {{SHAPE_RECT, INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MAX, INT_MIN},
                                           {SHAPE_TRIANGLE, INT_MIN, INT_MAX, 0, INT_MIN, INT_MIN, INT_MAX},
                                           {SHAPE_ELLIPSE, INT_MIN, INT_MAX, -1, INT_MIN, INT_MAX, -1},
                                           {-7, 1, 2, 3, 4, 5, 6}});
    write_drawing(dir.file("far_ellipse.edt"), {{SHAPE_ELLIPSE, 0, INT_MAX, -1, 0, 100, -1}});
    write_all(dir.file("empty.edt"), "");
    write_all(dir.file("short.edt"), std::string(27, '\x01'));
    write_all(dir.file("30.edt"), std::string(30, '\x02'));
    write_all(dir.file("201.edt"), records);
    write_all(dir.file("sparse.edt"), records.substr(0, 28));
    ASSERT_EQ(truncate(dir.file("sparse.edt").c_str(), 1L << 30), 0);
    for (const char* name : {"limits.edt", "far_ellipse.edt", "empty.edt", "short.edt", "30.edt", "201.edt", "sparse.edt"}) {
        ObjectList list{};
        ASSERT_GE(list_read_file(dir.file(name), &list), 0) << name;
        for (const char* ext : {"png", "svg", "pdf"}) {
            const std::string out = dir.file(std::string("out.") + ext);
            const ExportRun run = run_export({dir.file(name).c_str(), out.c_str()});
            const std::string refusal = error_line("cannot convert " + dir.file(name) + " to " + ext +
                                                   ": figure 1, an ellipse, reaches more than 16384 pixels past the page (PNG can show it)");
            const bool refused = std::string(name) == "far_ellipse.edt" && std::string(ext) != "png";
            EXPECT_EQ(run.code, refused ? 1 : 0) << name << " " << ext << run.err;
            EXPECT_EQ(run.err, refused ? refusal : "") << name << " " << ext;
            EXPECT_EQ(fs::exists(out), !refused) << name << " " << ext;
            if (std::string(ext) == "png") {
                EXPECT_EQ(load_rgb32(out), drawn(list, 510, 254)) << name;
            }
            fs::remove(out);
        }
    }
}

namespace {

// A 64 KiB tmpfs on a folder of dir, unmounted at the end; empty when this machine cannot mount.
struct SmallDisk {
    std::string path;
    explicit SmallDisk(const TempDir& dir) : path(dir.file("disk"))
    {
        fs::create_directory(path);
        if (mount("tmpfs", path.c_str(), "tmpfs", 0, "size=64k") != 0) path.clear();
    }
    ~SmallDisk()
    {
        if (!path.empty()) umount(path.c_str());
    }
};

// Fills the disk to its last byte with one file.
void fill(const std::string& folder)
{
    std::ofstream filler(folder + "/filler", std::ios::binary);
    const std::string block(4096, 'F');
    while (filler.write(block.data(), block.size())) filler.flush();
}

}  // namespace

// Guards: a partial or truncated output replacing the old one, a temporary file left behind,
// output written in place through a folder that takes no new file.
TEST(ExportWrite, FailedOutputLeavesTheOldFile)
{
    TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    write_drawing(dir.file("d.edt"), random_figures(200, 3, 3840, 2160));
    const std::string ro = dir.file("ro");
    fs::create_directory(ro);
    write_all(ro + "/o.svg", "old");
    ASSERT_EQ(chmod((ro + "/o.svg").c_str(), 0666), 0);
    give_to_nobody(ro);
    give_to_nobody(ro + "/o.svg");
    ASSERT_EQ(chmod(ro.c_str(), 0555), 0);
    fs::create_directories(dir.file("out/o.png"));
    write_all(dir.file("out/old.pdf"), "old");
    const struct {
        std::string output, reason;
        bool as_nobody;
    } cases[] = {
        {ro + "/o.svg", "permission denied", true},
        {dir.file("out/o.png"), "a folder", false},
        {dir.file("gone/o.pdf"), "no such file or directory", false},
    };
    for (const auto& c : cases) {
        const std::string folder = fs::path(c.output).parent_path();
        const auto before = fs::exists(folder) ? entries(folder) : std::vector<std::string>{};
        const ExportRun run = run_export({"--size", "3840x2160", dir.file("d.edt").c_str(), c.output.c_str()}, c.as_nobody);
        EXPECT_EQ(run.code, 1) << c.output;
        EXPECT_EQ(run.err, error_line("cannot write " + c.output + ": " + c.reason));
        if (fs::exists(folder)) {
            EXPECT_EQ(entries(folder), before) << c.output;
        }
    }
    EXPECT_EQ(read_all(ro + "/o.svg"), "old");
}

TEST(ExportWrite, FullDiskLeavesTheOldFile)
{
    TempDir dir;
    write_drawing(dir.file("d.edt"), random_figures(200, 9, 3840, 2160));
    SmallDisk disk(dir);
    if (disk.path.empty()) GTEST_SKIP() << "cannot mount a tmpfs here";
    for (const char* ext : {"svg", "pdf", "png"}) {
        const std::string out = disk.path + "/o." + ext;
        write_all(out, "old");
        fill(disk.path);
        const ExportRun run = run_export({"--size", "3840x2160", dir.file("d.edt").c_str(), out.c_str()});
        EXPECT_EQ(run.code, 1) << ext;
        EXPECT_EQ(run.err, error_line("cannot write " + out + ": no space left on device"));
        EXPECT_EQ(read_all(out), "old") << ext;
        EXPECT_EQ(entries(disk.path), (std::vector<std::string>{"filler", std::string("o.") + ext})) << ext;
        fs::remove(disk.path + "/filler");
        fs::remove(out);
    }
}

// Guards: a missing or broken driver module crashing the converter, printing more than one line,
// leaving a file behind, or costing the SVG, which needs no module.
TEST(ExportModule, MissingOrBrokenModuleFailsPdfAndPngInOneLine)
{
    TempDir dir;
    write_drawing(dir.file("d.edt"), mixed_figures());
    const std::string program = dir.file("quadrix-export");
    fs::copy_file(QUADRIX_EXPORT_BINARY, program);
    const struct {
        const char* name;
        std::string module;  // the file beside the program; empty: none
        std::string reason;
    } cases[] = {
        {"missing", "", "driver is missing"},
        {"not a library", "junk", "driver cannot be loaded"},
        {"another library", read_all(QUADRIX_EXPORT_BINARY), "driver cannot be loaded"},
    };
    for (const auto& c : cases) {
        fs::remove(dir.file(module_file_name()));
        if (!c.module.empty()) write_all(dir.file(module_file_name()), c.module);
        for (const std::string format : {"pdf", "png"}) {
            const std::string out = dir.file("o." + format);
            const ExportRun run = run_program(program, {dir.file("d.edt").c_str(), out.c_str()});
            EXPECT_EQ(run.code, 1) << c.name << " " << format;
            EXPECT_EQ(run.err.rfind("quadrix-export: cannot write " + out + ": the " + format + " " + c.reason, 0), 0u)
                << c.name << ": " << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_FALSE(fs::exists(out)) << c.name << " " << format;
        }
        const ExportRun svg = run_program(program, {dir.file("d.edt").c_str(), dir.file("o.svg").c_str()});
        EXPECT_EQ(svg.code, 0) << c.name << svg.err;
        EXPECT_EQ(read_all(dir.file("o.svg")), [&] {
            EXPECT_EQ(run_export({dir.file("d.edt").c_str(), dir.file("ref.svg").c_str()}).code, 0);
            return read_all(dir.file("ref.svg"));
        }()) << c.name;
    }
}
