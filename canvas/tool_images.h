// The tool bar's eleven button pictures: each a whole button of 23 by 22 pixels (a two-pixel
// bevel, the face and the tool's figure) as an indexed image, raised when plain, sunken when
// pressed, greyed for the inactive delete button. The tool table says which toggle shows which.
#pragma once

#include <QImage>

constexpr int TOOL_IMAGE_WIDTH = 23;
constexpr int TOOL_IMAGE_HEIGHT = 22;

// Each returns a new Format_Indexed8 image whose colour table holds only the entries its
// palette sets, so every pixel's index is below colorCount().
QImage build_image_sel();
QImage build_image_sel_press();
QImage build_image_del();
QImage build_image_del_press();
QImage build_image_del_inactive();
QImage build_image_rect();
QImage build_image_rect_press();
QImage build_image_ellipse();
QImage build_image_ellipse_press();
QImage build_image_triang();
QImage build_image_triang_press();
