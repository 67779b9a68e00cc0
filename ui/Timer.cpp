#include "ui/Timer.h"

#include "ui/Application.h"

namespace brivane::ui {

Timer::Timer(int interval, bool enabled) : interval_(interval), enabled_(enabled) {}

Timer::~Timer() {
    if (running_ != 0) platform::current().killTimer(running_);
}

void Timer::setInterval(int interval) {
    if (interval == interval_) return;
    interval_ = interval;
    restart();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    restart();
}

void Timer::setOnTimer(std::function<void()> handler) {
    onTimer_ = std::move(handler);
    restart();
}

void Timer::restart() {
    if (running_ != 0) {
        platform::current().killTimer(running_);
        running_ = 0;
    }
    if (enabled_ && interval_ > 0 && onTimer_) {
        running_ = platform::current().startTimer(interval_, [this] {
            Application::instance().dispatch([this] {
                if (onTimer_) onTimer_();
            });
        });
    }
}

}  // namespace brivane::ui
