// A timer: while enabled (and given a handler) it raises onTimer once per interval on the GUI
// thread. Disabling and enabling it again starts a full interval anew.
#pragma once

#include <functional>

#include "platform/platform.h"

namespace brivane::ui {

class Timer {
public:
    explicit Timer(int interval = 1000, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return interval_; }
    void setInterval(int interval);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    void setOnTimer(std::function<void()> handler);

private:
    void restart();

    int interval_;
    bool enabled_;
    std::function<void()> onTimer_;
    platform::Handle running_ = 0;
};

}  // namespace brivane::ui
