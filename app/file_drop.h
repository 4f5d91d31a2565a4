// A drawing file dropped on the window opens as File > Open does; anything else dropped is refused.
#pragma once

struct MainWindow;

// Lets the window take drops of one .edt file.
void accept_dropped_drawings(MainWindow& w);
