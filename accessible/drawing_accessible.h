// What assistive technology (a screen reader, through AT-SPI) sees of the drawing area: a canvas
// named "Desenho" whose children are the figures, bottom-most first, each named by its kind and
// place ("Elipse 2 de 3") and described in words ("100 por 60, em 205, 96"); each change is also
// said in a sentence (canvas/figure_words.h, canvas/announcement.h). Nothing of
// it is built until assistive technology asks, and every answer is read from the list when asked.
#pragma once


class CanvasWidget;

// At start-up: lets Qt build the drawing area's accessible interface whenever it is asked for.
void install_drawing_accessible();

// After the figures or the highlight may have changed: once the event in hand is done, tells
// assistive technology what did (a figure's points, figures added or removed, the highlight
// moved). One check and nothing else while no assistive technology is active.
void accessible_drawing_changed(CanvasWidget* canvas);
// From now on every change of canvas's drawing, through the door or by undo and redo, is told, and
// every sentence spoken (canvas/spoken.h) said.
void follow_drawing_for_assistive_technology(CanvasWidget* canvas);
