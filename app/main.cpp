// Brivane's entry point on the desktop.
#include "app/Program.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    auto desktop = brivane::platform::createDesktopPlatform(argc, argv);
    brivane::platform::setCurrent(desktop.get());
    const int code = brivane::runProgram(*desktop);
    brivane::platform::setCurrent(nullptr);
    return code;
}
