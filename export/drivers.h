// The output languages, after fig2dev: one small driver per language, each beginning the page,
// drawing each figure and ending, chosen from this table by the format's name.
#pragma once

#include "export/page.h"

#include <string>
#include <string_view>

class QByteArray;
class QIODevice;

// Writes the drawing onto out; false with a one-phrase reason when it cannot.
using DriverWrite = bool (*)(const PlacedDrawing& d, QIODevice& out, std::string& reason);

struct Driver {
    const char* format;  // the name --format takes, also the output file's extension
    bool outlines;       // draws vector outlines (outline.h), which some far figures have none of
    DriverWrite write;
};

// Text: one element per figure (svg_driver.cpp).
bool write_svg(const PlacedDrawing& d, QIODevice& out, std::string& reason);
// Painted through QPainter onto a QPdfWriter (pdf_driver.cpp).
bool write_pdf(const PlacedDrawing& d, QIODevice& out, std::string& reason);
// The canvas's own drawing code on an image, saved by QImageWriter (png_driver.cpp).
bool write_png(const PlacedDrawing& d, QIODevice& out, std::string& reason);

// The driver of a format name, in any letter case; null for an unknown one.
const Driver* find_driver(std::string_view format);
// The whole output file in memory; false with a reason when the driver fails.
bool render(const Driver& driver, const PlacedDrawing& d, QByteArray& bytes, std::string& reason);
// The driver the extension of a file name asks for; null when it names none.
const Driver* driver_for_file(std::string_view name);
