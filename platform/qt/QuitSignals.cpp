#include "platform/qt/QuitSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace brivane::platform::qt {

namespace {

constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only write to a descriptor; the loop reads the other end.
int wakeFds[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] ssize_t n = write(wakeFds[0], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> quit) : quit_(std::move(quit)) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0) return;
    fcntl(wakeFds[0], F_SETFL, O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(wakeFds[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char bytes[16];
        [[maybe_unused]] ssize_t n = read(wakeFds[1], bytes, sizeof bytes);
        quit_();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : Signals) sigaction(s, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    for (int s : Signals) std::signal(s, SIG_DFL);
    notifier_.reset();
    for (int& fd : wakeFds) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
}

}  // namespace brivane::platform::qt
