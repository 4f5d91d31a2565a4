// The canvas's size at start-up, without Qt: the editor's window opens at it and the converter
// takes it as the page when no other is asked for.
#pragma once

constexpr int CANVAS_WIDTH = 510;
constexpr int CANVAS_HEIGHT = 254;
