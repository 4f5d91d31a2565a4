// Texts of the message boxes; every box carries the title MESSAGE_TITLE.
#pragma once

inline const char* const MESSAGE_TITLE = "Quadrix";
// Shown when a figure is drawn on a full list.
inline const char* const LIMIT_MESSAGE = "Limite de 200 objetos atingido!";
