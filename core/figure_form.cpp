// Figure forms: the numbers both the raster and the outlines draw from.
#include "core/figure_form.h"

#include <algorithm>
#include <cstdlib>

void rect_form(int64_t out[4], int xa, int ya, int xb, int yb)
{
    out[0] = std::min(xa, xb);
    out[1] = std::min(ya, yb);
    out[2] = std::max(xa, xb);
    out[3] = std::max(ya, yb);
}

void ellipse_form(int64_t out[4], int xa, int ya, int xb, int yb)
{
    out[0] = (int64_t{xa} + xb) / 2;
    out[1] = (int64_t{ya} + yb) / 2;
    out[2] = std::llabs(int64_t{xb} - xa);
    out[3] = std::llabs(int64_t{yb} - ya);
}
