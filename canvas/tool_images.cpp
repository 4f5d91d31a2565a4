// The eleven tool-button pictures, kept as the rows of palette indices they are drawn in (one
// character a pixel, top row first) beside the palettes that colour them. Start at
// image_from_rows, which every builder calls; the pictures follow in tool-bar order.
#include "canvas/tool_images.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <span>
#include <string_view>

namespace {

using PictureRows = std::array<const char*, TOOL_IMAGE_HEIGHT>;
using PixelTable = std::array<uchar, TOOL_IMAGE_WIDTH * TOOL_IMAGE_HEIGHT>;

// Palettes as decimal "R G B" strings, index 0 first; a palette is only as long as the entries
// it sets. The blue entries colour no pixel. Black is written two ways: "000 000 000" is the
// drawing tools' figure, which the pressed palette's black/white swap must leave black.
constexpr std::array<const char*, 6> SEL_PALETTE = {
    "0 0 0", "255 255 255", "123 123 123", "222 222 222", "189 189 189", "000 000 255"};
constexpr std::array<const char*, 6> DRAW_PALETTE = {
    "0 0 0", "255 255 255", "123 123 123", "222 222 222", "189 189 189", "000 000 000"};
// Entries 0/1 and 2/3 of DRAW_PALETTE swapped: the plain bevel's indices then look sunken.
constexpr std::array<const char*, 6> DRAW_PRESS_PALETTE = {
    "255 255 255", "0 0 0", "222 222 222", "123 123 123", "189 189 189", "000 000 000"};
constexpr std::array<const char*, 5> DEL_PALETTE = {
    "0 0 0", "123 123 123", "189 189 189", "222 222 222", "255 255 255"};
constexpr std::array<const char*, 6> DEL_PRESS_PALETTE = {
    "0 0 0", "000 000 255", "123 123 123", "189 189 189", "222 222 222", "255 255 255"};

// True when every row is exactly as wide as the picture and names only entries the palette
// sets; the builders check their rows with it at compile time.
constexpr bool rows_fit(const PictureRows& rows, std::size_t palette_size)
{
    const char last = static_cast<char>('0' + palette_size - 1);
    for (const char* row : rows) {
        int width = 0;
        for (; row[width] != '\0'; ++width) {
            if (row[width] < '0' || row[width] > last) return false;
        }
        if (width != TOOL_IMAGE_WIDTH) return false;
    }
    return true;
}

// One decimal component of "R G B", consumed from the front of text; 0 if none is there.
int take_component(std::string_view& text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return 0;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

QRgb rgb_from_string(const char* text)
{
    std::string_view rest(text);
    int red = take_component(rest);
    int green = take_component(rest);
    int blue = take_component(rest);
    return qRgb(red, green, blue);
}

// The rows' characters as pixel bytes, row by row from the top, each row from the left.
PixelTable pixel_table(const PictureRows& rows)
{
    PixelTable table{};
    for (int row = 0; row < TOOL_IMAGE_HEIGHT; ++row) {
        for (int col = 0; col < TOOL_IMAGE_WIDTH; ++col) {
            table[row * TOOL_IMAGE_WIDTH + col] = static_cast<uchar>(rows[row][col] - '0');
        }
    }
    return table;
}

// The indexed image of the rows, its colour table set entry by entry from "0" upwards.
QImage image_from_rows(const PictureRows& rows, std::span<const char* const> palette)
{
    const PixelTable table = pixel_table(rows);
    // The view over the local table is copied at once, so the image owns its pixels.
    QImage image = QImage(table.data(), TOOL_IMAGE_WIDTH, TOOL_IMAGE_HEIGHT, TOOL_IMAGE_WIDTH,
                          QImage::Format_Indexed8).copy();
    image.setColorCount(static_cast<int>(palette.size()));
    for (std::size_t index = 0; index < palette.size(); ++index) {
        image.setColor(static_cast<int>(index), rgb_from_string(palette[index]));
    }
    return image;
}

}  // namespace

// An arrow pointer, tip at the top left, black outline, white inside.
QImage build_image_sel()
{
    constexpr PictureRows rows = {
        "11111111111111111111110",
        "13333333333333333333320",
        "13444444444444444444420",
        "13444444444444444444420",
        "13444444444444444444420",
        "13440044444444444444420",
        "13440102444444444444420",
        "13440111024444444444420",
        "13440111110444444444420",
        "13440111114044444444420",
        "13440111104444444444420",
        "13440100110444444444420",
        "13440244011244444444420",
        "13444444011244444444420",
        "13444444401104444444420",
        "13444444440110444444420",
        "13444444440104444444420",
        "13444444444044444444420",
        "13444444444444444444420",
        "13444444444444444444420",
        "12222222222222222222220",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, SEL_PALETTE.size()));
    return image_from_rows(rows, SEL_PALETTE);
}

// The arrow of "sel", unmoved, in a sunken button on a plain face.
QImage build_image_sel_press()
{
    constexpr PictureRows rows = {
        "00000000000000000000000",
        "02222222222222222222221",
        "02444444444444444444431",
        "02444444444444444444431",
        "02444444444444444444431",
        "02440044444444444444431",
        "02440102444444444444431",
        "02440111024444444444431",
        "02440111110444444444431",
        "02440111114044444444431",
        "02440111104444444444431",
        "02440100110444444444431",
        "02440244011244444444431",
        "02444444011244444444431",
        "02444444401104444444431",
        "02444444440110444444431",
        "02444444440104444444431",
        "02444444444044444444431",
        "02444444444444444444431",
        "02444444444444444444431",
        "02333333333333333333331",
        "01111111111111111111111",
    };
    static_assert(rows_fit(rows, SEL_PALETTE.size()));
    return image_from_rows(rows, SEL_PALETTE);
}

// A black X.
QImage build_image_del()
{
    constexpr PictureRows rows = {
        "44444444444444444444440",
        "43333333333333333333310",
        "43222222222222222222210",
        "43222222222222222222210",
        "43222000222222222022210",
        "43222000022222200222210",
        "43222200002222002222210",
        "43222222000220022222210",
        "43222222200000222222210",
        "43222222220002222222210",
        "43222222200000222222210",
        "43222222000220022222210",
        "43222220002222002222210",
        "43222200022222202222210",
        "43222000022222220222210",
        "43222000222222222222210",
        "43222202222222222022210",
        "43222222222222222222210",
        "43222222222222222222210",
        "43222222222222222222210",
        "41111111111111111111110",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, DEL_PALETTE.size()));
    return image_from_rows(rows, DEL_PALETTE);
}

// The X of "del" one pixel right and down, on the checkerboard, sunken.
QImage build_image_del_press()
{
    constexpr PictureRows rows = {
        "00000000000000000000005",
        "02222222222222222222245",
        "02535353535353535353545",
        "02353535353535353535345",
        "02535353535353535353545",
        "02353500053535353505345",
        "02535300005353530053545",
        "02353530000535300535345",
        "02535353500053005353545",
        "02353535350000053535345",
        "02535353535000535353545",
        "02353535350000053535345",
        "02535353500053005353545",
        "02353535000535300535345",
        "02535350005353530353545",
        "02353500003535353035345",
        "02535300035353535353545",
        "02353530353535353505345",
        "02535353535353535353545",
        "02353535353535353535345",
        "04444444444444444444445",
        "55555555555555555555555",
    };
    static_assert(rows_fit(rows, DEL_PRESS_PALETTE.size()));
    return image_from_rows(rows, DEL_PRESS_PALETTE);
}

// The X of "del" in dark grey, white along the lower right of its strokes: engraved.
QImage build_image_del_inactive()
{
    constexpr PictureRows rows = {
        "44444444444444444444440",
        "43333333333333333333310",
        "43222222222222222222210",
        "43222222222222222222210",
        "43222111222222222122210",
        "43222111122222211242210",
        "43222211112222114422210",
        "43222224111221144222210",
        "43222222211111442222210",
        "43222222221114422222210",
        "43222222211111222222210",
        "43222222111441122222210",
        "43222221114222112222210",
        "43222211144222214222210",
        "43222111142222221222210",
        "43222111442222222422210",
        "43222214422222222122210",
        "43222224222222222242210",
        "43222222222222222222210",
        "43222222222222222222210",
        "41111111111111111111110",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, DEL_PALETTE.size()));
    return image_from_rows(rows, DEL_PALETTE);
}

// A black rectangle outline.
QImage build_image_rect()
{
    constexpr PictureRows rows = {
        "11111111111111111111110",
        "13333333333333333333320",
        "13444444444444444444420",
        "13444444444444444444420",
        "13445555555555555554420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445555555555555554420",
        "13444444444444444444420",
        "13444444444444444444420",
        "12222222222222222222220",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, DRAW_PALETTE.size()));
    return image_from_rows(rows, DRAW_PALETTE);
}

// The same rectangle on the checkerboard, sunken.
QImage build_image_rect_press()
{
    constexpr PictureRows rows = {
        "11111111111111111111110",
        "13333333333333333333320",
        "13040404040404040404020",
        "13404040404040404040420",
        "13045555555555555554020",
        "13405040404040404050420",
        "13045404040404040454020",
        "13405040404040404050420",
        "13045404040404040454020",
        "13405040404040404050420",
        "13045404040404040454020",
        "13405040404040404050420",
        "13045404040404040454020",
        "13405040404040404050420",
        "13045404040404040454020",
        "13405040404040404050420",
        "13045404040404040454020",
        "13405555555555555550420",
        "13040404040404040404020",
        "13404040404040404040420",
        "12222222222222222222220",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, DRAW_PRESS_PALETTE.size()));
    return image_from_rows(rows, DRAW_PRESS_PALETTE);
}

// A black circle outline.
QImage build_image_ellipse()
{
    constexpr PictureRows rows = {
        "11111111111111111111110",
        "13333333333333333333320",
        "13444444444444444444420",
        "13444444444444444444420",
        "13444444455555444444420",
        "13444445544444554444420",
        "13444454444444445444420",
        "13444544444444444544420",
        "13444544444444444544420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13445444444444444454420",
        "13444544444444444544420",
        "13444544444444444544420",
        "13444454444444445444420",
        "13444445544444554444420",
        "13444444455555444444420",
        "13444444444444444444420",
        "12222222222222222222220",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, DRAW_PALETTE.size()));
    return image_from_rows(rows, DRAW_PALETTE);
}

// A flatter ellipse on the checkerboard, sunken.
QImage build_image_ellipse_press()
{
    constexpr PictureRows rows = {
        "11111111111111111111110",
        "13333333333333333333320",
        "13040404040404040404020",
        "13404040404040404040420",
        "13040404040404040404020",
        "13404040455555404040420",
        "13040405540404550404020",
        "13404050404040405040420",
        "13040504040404040504020",
        "13405040404040404050420",
        "13045404040404040454020",
        "13405040404040404050420",
        "13045404040404040454020",
        "13405040404040404050420",
        "13040504040404040504020",
        "13404050404040405040420",
        "13040405540404550404020",
        "13404040455555404040420",
        "13040404040404040404020",
        "13404040404040404040420",
        "12222222222222222222220",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, DRAW_PRESS_PALETTE.size()));
    return image_from_rows(rows, DRAW_PRESS_PALETTE);
}

// A black triangle outline, apex at row 4, column 10.
QImage build_image_triang()
{
    constexpr PictureRows rows = {
        "11111111111111111111110",
        "13333333333333333333320",
        "13444444444444444444420",
        "13444444444444444444420",
        "13444444445444444444420",
        "13444444445544444444420",
        "13444444454544444444420",
        "13444444454454444444420",
        "13444444544454444444420",
        "13444444544445444444420",
        "13444445444444544444420",
        "13444445444444544444420",
        "13444454444444454444420",
        "13444454444444445444420",
        "13444544444444445444420",
        "13444544444444444544420",
        "13445444444444444454420",
        "13445555555555555554420",
        "13444444444444444444420",
        "13444444444444444444420",
        "12222222222222222222220",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, DRAW_PALETTE.size()));
    return image_from_rows(rows, DRAW_PALETTE);
}

// A triangle symmetric about column 11, same base, on the checkerboard, sunken.
QImage build_image_triang_press()
{
    constexpr PictureRows rows = {
        "11111111111111111111110",
        "13333333333333333333320",
        "13040404040404040404020",
        "13404040404040404040420",
        "13040404040404040404020",
        "13404040404540404040420",
        "13040404045454040404020",
        "13404040405050404040420",
        "13040404050405040404020",
        "13404040454045404040420",
        "13040404540404540404020",
        "13404040504040504040420",
        "13040405040404050404020",
        "13404050404040405040420",
        "13040454040404045404020",
        "13404540404040404540420",
        "13045404040404040454020",
        "13405555555555555550420",
        "13040404040404040404020",
        "13404040404040404040420",
        "12222222222222222222220",
        "00000000000000000000000",
    };
    static_assert(rows_fit(rows, DRAW_PRESS_PALETTE.size()));
    return image_from_rows(rows, DRAW_PRESS_PALETTE);
}
