// The drawing surface: line, rectangle, ellipse and closed-polyline outlines on an RGB32 image,
// in drawing coordinates (origin bottom-left, y up), in replace or not-xor mode.
// Every figure is rasterised into a set of distinct pixels clipped to the clip window (the whole
// image unless narrowed), then each pixel is combined once with the pen, so a figure drawn twice in
// not-xor mode restores the image exactly. Clipping never moves a pixel: a figure drawn piece by
// piece through several windows equals the figure drawn at once. Work follows the visible part of a
// figure; coordinates anywhere in the int64 range are safe.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>

enum class WriteMode { Replace = 0, NotXor = 2 };

struct DrawSurface {
    QImage* image = nullptr;                       // RGB32 target, owned by the canvas widget
    std::function<void(const QRect&)> damaged;     // told the image rectangle (top-left origin) each operation changed
    int width = 0;                                 // size of the image, re-read by surface_activate
    int height = 0;
    WriteMode mode = WriteMode::Replace;
    uint32_t foreground = 0x000000;                // 0xRRGGBB
    uint32_t background = 0xFFFFFF;
    QRect clip;                                    // image rectangle drawing and clearing keep to; null: the whole image
};

// Re-reads the image size; every group of drawing calls starts with it. Until it has read the
// image's current size, drawing calls draw nothing (they would run off a shrunken image).
void surface_activate(DrawSurface& s);
// Turns a row counted from the top into a drawing y: h - 1 - y.
int surface_update_y(const DrawSurface& s, int y);
// Fills the clip window with the background colour, whatever the write mode.
void surface_clear(DrawSurface& s);
// Limits drawing and clearing to rect (image coordinates, top-left origin) within the image; a null
// rect lifts the limit.
void surface_clip(DrawSurface& s, const QRect& rect);
// Clears the clip window and has draw put every figure on it, band of rows by band of rows so each
// band is still in the cache when its figures land: draw runs once per band with the surface
// clipped to that band and must draw the whole picture each time. The pixels equal a clear followed
// by one draw; the window is reported damaged once, at the end.
void surface_redraw(DrawSurface& s, const std::function<void(DrawSurface&)>& draw);
void surface_write_mode(DrawSurface& s, WriteMode mode);
void surface_foreground(DrawSurface& s, uint32_t rgb);

void surface_line(DrawSurface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2);
// Outline of the box xmin..xmax by ymin..ymax, both ends inclusive.
void surface_rect(DrawSurface& s, int64_t xmin, int64_t xmax, int64_t ymin, int64_t ymax);
// Outline of the ellipse in the box from xc - w/2 to xc - w/2 + w (the same for y); nothing when
// w or h is zero.
void surface_arc(DrawSurface& s, int64_t xc, int64_t yc, int64_t w, int64_t h);
// Closed polyline through n points (x, y pairs); shared vertices and overlapping edges count once.
void surface_closed_lines(DrawSurface& s, const int64_t* xs, const int64_t* ys, int n);
// One pixel of the foreground at every point of the clip window whose drawing coordinates are
// both multiples of spacing (at least 1), written straight into the image row by row, whatever
// the write mode, as a clear is.
void surface_grid(DrawSurface& s, int spacing);
