// Sentences for a listener that no change of the drawing or of the selection carries: a key that
// found nothing ("Nenhuma figura à direita"), the drawing described on request, the grid turned on
// or off. The accessibility layer (accessible/) listens and says each while a screen reader is
// active; otherwise a sentence is dropped.
#pragma once

#include <functional>
#include <string>

void speak(const std::string& sentence);
// From now on every sentence spoken goes to listener; an empty function stops it.
void listen_to_spoken(std::function<void(const std::string&)> listener);
