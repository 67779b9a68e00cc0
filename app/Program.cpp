#include "app/Program.h"

#include "player/Playback.h"
#include "settings/TForm3.h"
#include "sidebar/TForm1.h"

namespace brivane {

Program::Program(platform::Platform& platform) : application_(platform) {}

Program::~Program() { shutdown(); }

void Program::start() {
    application_.setTitle("Brivane");
    sidebar_ = std::make_unique<TForm1>();
    sidebar_->show();
    settings_ = std::make_unique<TForm3>();
    application_.updateForms();
}

int Program::run() { return application_.run(); }

void Program::shutdown() {
    settings_.reset();
    sidebar_.reset();
    AppDir.clear();
    // Only the handle is forgotten, so that a program started again in this process (as the
    // tests do) starts without a stream; the audio library keeps its stream until the process
    // ends.
    CurrentStream = 0;
}

int runProgram(platform::Platform& platform) {
    Program program(platform);
    program.start();
    const int code = program.run();
    program.shutdown();
    return code;
}

}  // namespace brivane
