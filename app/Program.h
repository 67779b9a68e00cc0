// The program's life: entry, start-up, the message loop and shutdown.
#pragma once

#include <memory>

#include "platform/platform.h"
#include "ui/Application.h"

namespace brivane {

class TForm1;
class TForm3;

class Program {
public:
    explicit Program(platform::Platform& platform);
    ~Program();

    // The application's title, the sidebar window (built, created, shown and placed), then the
    // settings window, hidden.
    void start();
    // The message loop, until a terminate request has been handled; returns the exit code.
    int run();
    // Destroys the windows: the settings window, then the sidebar window. Safe to call twice.
    void shutdown();

    ui::Application& application() { return application_; }

private:
    ui::Application application_;
    std::unique_ptr<TForm1> sidebar_;
    std::unique_ptr<TForm3> settings_;
};

// Entry, run and shutdown in one; returns the process's exit code.
int runProgram(platform::Platform& platform);

}  // namespace brivane
