#include "tests/export_support.h"

#include "canvas/figure_raster.h"
#include "core/shape_file.h"
#include "tests/test_support.h"
#include "toolkit/draw_surface.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <random>
#include <stdexcept>

#include <sys/stat.h>

namespace {

// nobody may have no way into the build folder (a clone in a private home folder), which would
// fail a permission test for the wrong reason: nobody runs a copy of the program from a scratch
// folder anyone can reach, with its driver module beside it; removed at exit.
const std::string& program_for_nobody()
{
    static const TempDir dir;
    static const std::string path = [] {
        if (chmod(dir.path().c_str(), 0755) != 0) throw std::runtime_error("chmod " + dir.path());
        std::filesystem::copy_file(QUADRIX_EXPORT_BINARY, dir.file("quadrix-export"));
        std::filesystem::copy_file(QUADRIX_EXPORT_MODULE, dir.file(module_file_name()));
        return dir.file("quadrix-export");
    }();
    return path;
}

}  // namespace

std::string module_file_name() { return std::filesystem::path(QUADRIX_EXPORT_MODULE).filename(); }

ExportRun run_export(const QStringList& args, bool as_nobody)
{
    return run_program(as_nobody ? program_for_nobody() : QUADRIX_EXPORT_BINARY, args, as_nobody);
}

ExportRun run_program(const std::string& program, const QStringList& args, bool as_nobody)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    p.setProcessEnvironment(env);
    if (as_nobody) p.setChildProcessModifier([] { if (!drop_privileges()) _exit(99); });
    p.start(QString::fromStdString(program), args);
    ExportRun run;
    // A bound against hangs only (a FIFO, /dev/zero), far above any conversion's time.
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    if (p.exitStatus() == QProcess::NormalExit) run.code = p.exitCode();
    run.out = p.readAllStandardOutput().toStdString();
    run.err = p.readAllStandardError().toStdString();
    return run;
}

std::string error_line(const std::string& text) { return "quadrix-export: " + text + "\n"; }

ObjectList list_of(const std::vector<ShapeRecord>& figures)
{
    ObjectList list{};
    for (const ShapeRecord& r : figures) list.records[list.count++] = r;
    return list;
}

void write_drawing(const std::string& path, const std::vector<ShapeRecord>& figures)
{
    const ObjectList list = list_of(figures);
    if (list_write_file(path, &list) != list.count) throw std::runtime_error("cannot write " + path);
}

QImage load_rgb32(const std::string& path)
{
    QImage image(QString::fromStdString(path));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage drawn(const ObjectList& list, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    DrawSurface s;
    s.image = &image;
    surface_activate(s);
    draw_list(s, &list);
    return image;
}

std::vector<ShapeRecord> random_figures(int n, unsigned seed, int w, int h)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> x(-20, w + 20), y(-20, h + 20);
    std::vector<ShapeRecord> out;
    for (int i = 0; i < n; ++i) {
        const int type = i % 3;
        out.push_back({type, x(gen), x(gen), type == SHAPE_TRIANGLE ? x(gen) : -1, y(gen), y(gen),
                       type == SHAPE_TRIANGLE ? y(gen) : -1});
    }
    return out;
}

std::vector<ShapeRecord> mixed_figures()
{
    return {{SHAPE_RECT, 10, 200, -1, 10, 120, -1},       {SHAPE_ELLIPSE, 100, 301, -1, 50, 200, -1},
            {SHAPE_TRIANGLE, 150, 480, 320, 20, 30, 240}, {SHAPE_RECT, 460, 250, -1, 240, 80, -1},
            {SHAPE_RECT, 30, 30, -1, 200, 240, -1},       {SHAPE_RECT, 5, 5, -1, 5, 5, -1},
            {SHAPE_TRIANGLE, 40, 90, 140, 60, 62, 64},    {SHAPE_ELLIPSE, 407, 500, -1, 100, 141, -1}};
}
