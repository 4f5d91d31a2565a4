// The output languages, after fig2dev: a row per language with the same few entries (begin the
// page, draw each kind of figure, end), chosen from the table by the format's name. One loop,
// render, hands every figure to its row's entry.
#pragma once

#include "export/page.h"

#include <memory>
#include <string>
#include <string_view>

// What a driver builds between its begin and its end: the page and the language's own state.
struct DriverPage {
    Page page;
    virtual ~DriverPage() = default;
};

// Makes the page; null, with a one-phrase reason, when it cannot.
using BeginPage = std::unique_ptr<DriverPage> (*)(Page page, std::string& reason);
// Draws one figure of the entry's kind on the page.
using DrawFigure = void (*)(DriverPage& page, ShapeRecord figure);
// Finishes the page into the whole file's bytes; false with a reason when it cannot.
using EndPage = bool (*)(DriverPage& page, std::string& bytes, std::string& reason);

struct DriverEntries {
    BeginPage begin;
    DrawFigure rect, ellipse, triangle;
    EndPage end;
};

struct Driver {
    const char* format;              // the name --format takes, also the output file's extension
    bool outlines;                   // draws vector outlines (outline.h), which some far figures have none of
    const DriverEntries* entries;    // null for the drivers drawn with Qt: see qt_driver_entries
};

// Text: one element per figure (svg_driver.cpp); no Qt, linked wherever the table is.
extern const DriverEntries SVG_ENTRIES;
// The entries of a driver drawn with Qt (PDF, PNG: qt_drivers.h). The editor's library links them
// (drivers_linked.cpp); the converter loads them from a module only when asked (drivers_loaded.cpp),
// so converting to SVG never loads Qt. Null, with a one-phrase reason, when they cannot be had.
const DriverEntries* qt_driver_entries(const Driver& driver, std::string& reason);

// The driver of a format name, in any letter case; null for an unknown one.
const Driver* find_driver(std::string_view format);
// The driver the extension of a file name asks for; null when it names none.
const Driver* driver_for_file(std::string_view name);
// The whole output file in memory; false with a reason when the driver fails.
bool render(const Driver& driver, const PlacedDrawing& d, std::string& bytes, std::string& reason);
// The formats' names in the table's order, each after prefix, joined by between and, before the
// last, by last: format_names(", ", " or ") is "svg, pdf or png".
std::string format_names(std::string_view between, std::string_view last, std::string_view prefix = "");
