// The whole sidebar on the headless platform, started as the program starts it, for benchmarks.
#pragma once

#include "app/Program.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sidebar/TForm1.h"

namespace brivane::bench {

struct Sidebar {
    platform::HeadlessPlatform platform;
    Program program{platform};
    Sidebar() {
        platform.setWorkArea({0, 0, 1920, 1200});
        program.start();
    }
    // A different time on every call, so that every hand and caption changes.
    void nextSecond(int n) {
        platform::TimeOfDay t;
        t.hour = n / 3600 % 24;
        t.minute = n / 60 % 60;
        t.second = n % 60;
        t.day = 1 + n % 28;
        t.month = 1 + n % 12;
        t.dayOfWeek = n % 7;
        platform.setLocalTime(t);
    }
};

}  // namespace brivane::bench
