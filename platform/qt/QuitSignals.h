// Ends the program in order when the system asks it to stop (SIGTERM at logout or from a
// script, SIGINT from the terminal, SIGHUP when the terminal goes): the request reaches the
// message loop, which ends as Exit ends it, so the program shuts down as usual.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace brivane::platform::qt {

class QuitSignals {
public:
    // `quit` runs on the GUI thread, from the message loop.
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> quit_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace brivane::platform::qt
