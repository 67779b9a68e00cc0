#include "platform/platform.h"

#include <stdexcept>

namespace brivane::platform {

namespace {
Platform* instance = nullptr;
}

Platform& current() {
    if (instance == nullptr) throw std::logic_error("no platform has been set");
    return *instance;
}

void setCurrent(Platform* platform) { instance = platform; }

}  // namespace brivane::platform
