#include "canvas/spoken.h"

namespace {

std::function<void(const std::string&)>& listener()
{
    static std::function<void(const std::string&)> fn;
    return fn;
}

}  // namespace


void speak(const std::string& sentence)
{
    if (listener()) listener()(sentence);
}

void listen_to_spoken(std::function<void(const std::string&)> fn) { listener() = std::move(fn); }
