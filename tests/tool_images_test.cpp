// Tests of the tool-button pictures: their size and palettes, the raised and sunken bevels, and
// how each pressed or inactive figure relates to its plain one. Pixel checks collect the cells
// that break a rule, so a failure names every wrong (row, column) at once.
#include "canvas/tool_images.h"
#include "canvas/tool_table.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <utility>

namespace {

const QRgb BLACK = qRgb(0, 0, 0);
const QRgb WHITE = qRgb(255, 255, 255);
const QRgb LIGHT = qRgb(222, 222, 222);
const QRgb DARK = qRgb(123, 123, 123);
const QRgb FACE = qRgb(189, 189, 189);
const QRgb BLUE = qRgb(0, 0, 255);

using Cells = std::set<std::pair<int, int>>;  // (row, column)
using Builder = QImage (*)();

QRgb colour(const QImage& image, int row, int col)
{
    return image.color(image.pixelIndex(col, row));
}

bool on_bevel(int row, int col)
{
    return row < 2 || row > 19 || col < 2 || col > 20;
}

// The cells of the whole picture, or of its face only, for which the rule fails.
Cells failing(bool face_only, const std::function<bool(int, int)>& rule)
{
    Cells cells;
    for (int row = 0; row < 22; ++row)
        for (int col = 0; col < 23; ++col)
            if ((!face_only || !on_bevel(row, col)) && !rule(row, col)) cells.insert({row, col});
    return cells;
}

// The face cells showing the given colour.
Cells face_cells(const QImage& image, QRgb wanted)
{
    return failing(true, [&](int row, int col) { return colour(image, row, col) != wanted; });
}

// Bevel cells where the two pictures hold different indices.
Cells bevel_differences(const QImage& a, const QImage& b)
{
    return failing(false, [&](int row, int col) {
        return !on_bevel(row, col) || a.pixelIndex(col, row) == b.pixelIndex(col, row);
    });
}

// A raised bevel: white then light grey on the lit top and left, black then dark grey in
// shadow; the shadow edges own the corners they share with the lit ones.
QRgb raised_bevel(int row, int col)
{
    if (row == 21 || col == 22) return BLACK;
    if (row == 0 || col == 0) return WHITE;
    if (row == 20 || col == 21) return DARK;
    return LIGHT;
}

// The colours at (0, 22), (21, 0), (1, 21) and (20, 1), where the lit and shadow edges meet.
using Corners = std::array<QRgb, 4>;
Corners shared_corners(const QImage& image)
{
    return {colour(image, 0, 22), colour(image, 21, 0), colour(image, 1, 21), colour(image, 20, 1)};
}

// What a pressed palette makes of a plain bevel colour.
QRgb swapped(QRgb c)
{
    if (c == BLACK || c == WHITE) return c == BLACK ? WHITE : BLACK;
    if (c == DARK || c == LIGHT) return c == DARK ? LIGHT : DARK;
    return c;
}

const std::pair<Builder, Builder> DRAWING_PAIRS[] = {
    {build_image_rect, build_image_rect_press},
    {build_image_ellipse, build_image_ellipse_press},
    {build_image_triang, build_image_triang_press}};

}  // namespace

// Guards a picture of the wrong size or format, or a pixel naming an entry its palette lacks.
TEST(ToolImageShape, EveryPictureIs23By22WithEveryIndexInItsPalette)
{
    for (const Tool& tool : TOOLS)
    for (const ToolPicture& entry : tool.pictures) {
        if (!entry.handle) continue;
        SCOPED_TRACE(entry.handle);
        const QImage image = entry.build();
        ASSERT_EQ(image.format(), QImage::Format_Indexed8);
        ASSERT_EQ(image.size(), QSize(23, 22));
        EXPECT_EQ(failing(false, [&](int row, int col) {
                      return image.pixelIndex(col, row) < image.colorCount();
                  }), Cells{});
    }
}

// Guards the tool bar giving a picture the wrong handle, toggle or attribute, or the wrong place.
TEST(ToolImageTable, ListsTheElevenBuildersInToolBarOrder)
{
    const Builder builders[] = {
        build_image_sel, build_image_sel_press, build_image_del, build_image_del_press,
        build_image_del_inactive, build_image_rect, build_image_rect_press, build_image_ellipse,
        build_image_ellipse_press, build_image_triang, build_image_triang_press};
    std::string listed;
    int i = 0;
    for (const Tool& tool : TOOLS)
        for (const ToolPicture& entry : tool.pictures) {
            if (!entry.handle) continue;
            listed += std::string(entry.handle) + " " + tool.title + " " + entry.attribute + "\n";
            ASSERT_LT(i, int(std::size(builders)));
            EXPECT_EQ(entry.build, builders[i++]) << entry.handle;
        }
    EXPECT_EQ(i, int(std::size(builders)));
    EXPECT_EQ(listed,
              "sel Sel IMAGE\nsel_press Sel IMPRESS\n"
              "del Del IMAGE\ndel_press Del IMPRESS\ndel_inactive Del IMINACTIVE\n"
              "rect Rect IMAGE\nrect_press Rect IMPRESS\n"
              "ellipse Ellipse IMAGE\nellipse_press Ellipse IMPRESS\n"
              "triang Triang IMAGE\ntriang_press Triang IMPRESS\n");
}

// Guards "R G B" strings parsed wrong (leading zeros, blanks), entries set at the wrong index, and
// an unset entry turned into a colour.
TEST(ToolImagePalette, ColourTablesHoldExactlyTheEntriesSet)
{
    using Table = QList<QRgb>;
    EXPECT_EQ(build_image_sel().colorTable(), (Table{BLACK, WHITE, DARK, LIGHT, FACE, BLUE}));
    EXPECT_EQ(build_image_rect().colorTable(), (Table{BLACK, WHITE, DARK, LIGHT, FACE, BLACK}));
    EXPECT_EQ(build_image_triang_press().colorTable(),
              (Table{WHITE, BLACK, LIGHT, DARK, FACE, BLACK}));
    EXPECT_EQ(build_image_del().colorTable(), (Table{BLACK, DARK, FACE, LIGHT, WHITE}));
    EXPECT_EQ(build_image_del_inactive().colorTable(), (Table{BLACK, DARK, FACE, LIGHT, WHITE}));
    EXPECT_EQ(build_image_del_press().colorTable(), (Table{BLACK, BLUE, DARK, FACE, LIGHT, WHITE}));
}

// Guards a raised bevel drawn in a wrong colour or with its shared corners on the lit edges.
TEST(ToolImageBevel, PlainPicturesAndInactiveDeleteLookRaised)
{
    for (Builder build : {build_image_sel, build_image_del, build_image_del_inactive,
                          build_image_rect, build_image_ellipse, build_image_triang}) {
        const QImage image = build();
        EXPECT_EQ(failing(false, [&](int row, int col) {
                      return !on_bevel(row, col) ||
                             colour(image, row, col) == raised_bevel(row, col);
                  }), Cells{});
    }
}

// Guards the two shared corners of a bevel given to the wrong edge.
TEST(ToolImageBevel, SharedCornersAreBlackWhenRaisedAndInSelPressWhiteInOtherPressed)
{
    for (Builder build : {build_image_sel, build_image_sel_press, build_image_del,
                          build_image_del_inactive, build_image_rect, build_image_ellipse,
                          build_image_triang}) {
        EXPECT_EQ(shared_corners(build()), (Corners{BLACK, BLACK, DARK, DARK}));
    }
    for (Builder build : {build_image_rect_press, build_image_ellipse_press,
                          build_image_triang_press, build_image_del_press}) {
        EXPECT_EQ(shared_corners(build()), (Corners{WHITE, WHITE, LIGHT, LIGHT}));
    }
}

// Guards a pressed drawing tool whose bevel is not its plain bevel seen through a swapped palette.
TEST(ToolImageBevel, PressedDrawingToolsKeepBevelIndicesAndLookSunken)
{
    for (const auto& [plain_build, pressed_build] : DRAWING_PAIRS) {
        const QImage plain = plain_build();
        const QImage pressed = pressed_build();
        EXPECT_EQ(bevel_differences(plain, pressed), Cells{});
        EXPECT_EQ(failing(false, [&](int row, int col) {
                      return !on_bevel(row, col) ||
                             colour(pressed, row, col) == swapped(colour(plain, row, col));
                  }), Cells{});
    }
}

// Guards the pressed select picture moving its arrow or changing its face.
TEST(ToolImageFigure, SelPressFaceIsSelFace)
{
    const QImage plain = build_image_sel();
    const QImage pressed = build_image_sel_press();
    EXPECT_EQ(failing(true, [&](int row, int col) {
                  return pressed.pixelIndex(col, row) == plain.pixelIndex(col, row);
              }), Cells{});
    EXPECT_EQ(colour(pressed, 0, 0), BLACK);  // sunken: dark on the lit side
    EXPECT_EQ(colour(pressed, 21, 22), WHITE);
}

// Guards the inactive cross not being the plain cross greyed and engraved, or its bevel drifting.
TEST(ToolImageFigure, InactiveDeleteIsTheEngravedCross)
{
    const QImage plain = build_image_del();
    const QImage inactive = build_image_del_inactive();
    EXPECT_EQ(bevel_differences(plain, inactive), Cells{});
    const Cells cross = face_cells(plain, BLACK);
    ASSERT_FALSE(cross.empty());
    EXPECT_EQ(face_cells(inactive, DARK), cross);
    EXPECT_TRUE(face_cells(inactive, BLACK).empty());
    const Cells highlight = face_cells(inactive, WHITE);
    EXPECT_FALSE(highlight.empty());
    for (const auto& [row, col] : highlight)
        EXPECT_TRUE(cross.count({row - 1, col - 1})) << row << "," << col;
}

// Guards figures misplaced between the plain and pressed pictures.
TEST(ToolImageFigure, PressedFiguresSitWhereTheyShould)
{
    Cells moved;
    for (const auto& [row, col] : face_cells(build_image_del(), BLACK))
        moved.insert({row + 1, col + 1});
    EXPECT_EQ(face_cells(build_image_del_press(), BLACK), moved);
    const Cells rect = face_cells(build_image_rect(), BLACK);
    EXPECT_EQ(rect.size(), 2u * 15 + 2u * 12);  // the outline of rows 4..17 by columns 4..18
    EXPECT_EQ(face_cells(build_image_rect_press(), BLACK), rect);
    const Cells ellipse = face_cells(build_image_ellipse_press(), BLACK);
    EXPECT_EQ(ellipse.begin()->first, 5);
    EXPECT_EQ(ellipse.rbegin()->first, 17);
    const Cells triangle = face_cells(build_image_triang_press(), BLACK);
    EXPECT_EQ(*triangle.begin(), std::make_pair(5, 11));
    for (const auto& [row, col] : triangle)
        EXPECT_TRUE(triangle.count({row, 22 - col})) << row << "," << col;
}

// Guards the checkerboard of a pressed face laid with the wrong parity or the wrong colours.
TEST(ToolImageFigure, PressedFacesAreCheckeredWhereTheFigureIsNot)
{
    for (Builder build : {build_image_rect_press, build_image_ellipse_press,
                          build_image_triang_press, build_image_del_press}) {
        const QImage image = build();
        EXPECT_EQ(failing(true, [&](int row, int col) {
                      const QRgb c = colour(image, row, col);
                      return c == BLACK || c == ((row + col) % 2 == 0 ? WHITE : FACE);
                  }), Cells{});
    }
}
