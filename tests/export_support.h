// Helpers of the converter's tests: running the built quadrix-export, writing drawings, and the
// pictures a drawing should give.
#pragma once

#include "core/shape_list.h"

#include <QImage>
#include <QStringList>

#include <string>
#include <vector>

struct ExportRun {
    int code = -1;      // exit status; -1 when the program crashed or hung
    std::string out;    // standard output
    std::string err;    // standard error
};

// Runs quadrix-export with no window system in its environment, as nobody if asked.
ExportRun run_export(const QStringList& args, bool as_nobody = false);
// The same with another copy of the program.
ExportRun run_program(const std::string& program, const QStringList& args, bool as_nobody = false);
// The built driver module's file name, which the program looks for beside itself.
std::string module_file_name();
// "quadrix-export: " + text + "\n", the one line of a failure.
std::string error_line(const std::string& text);

ObjectList list_of(const std::vector<ShapeRecord>& figures);
// Saves the figures with the editor's own writer.
void write_drawing(const std::string& path, const std::vector<ShapeRecord>& figures);
// A file's picture in RGB32, null when it is none.
QImage load_rgb32(const std::string& path);
// What draw_list puts on a fresh w by h image.
QImage drawn(const ObjectList& list, int w, int h);
// n figures of every type, mostly on a w by h canvas, some reaching past its edges.
std::vector<ShapeRecord> random_figures(int n, unsigned seed, int w, int h);
// Samples of each kind: overlapping figures, flat and one-point ones, stored right to left.
std::vector<ShapeRecord> mixed_figures();
