// The sidebar window's creation, close and destroy handlers: the start-up sequence in its fixed
// order, and the way a close request ends the program.
#include <memory>

#include "clock/AnalogClock.h"
#include "clock/ClockSettings.h"
#include "platform/winapi.h"
#include "sidebar/TForm1.h"
#include "ui/Application.h"
#include "ui/FilePath.h"
#include "ui/IniFile.h"
#include "ui/Resources.h"

namespace brivane {

void TForm1::FormCreate() {
    const HWND application = ui::Application::instance().handle();

    // 1. Every repaint is composed off-screen and shown in one piece.
    doubleBuffered = true;

    // 2. The playlist takes files dropped from the file manager.
    DragAcceptFiles(ListBox1.handle(), TRUE);

    // 3. The executable's folder.
    AppDir = ui::extractFilePath(platform::current().moduleFileName());

    // 4. The clock's settings file; opening only records its name.
    auto settingsFile = std::make_unique<ui::IniFile>(AppDir + "lclock.ini");

    // 5. The clock face, from the image resource.
    ClockFace = ui::loadResourceBitmap("ceas2");

    // 6. The clock's drawing surface at 24 bits per pixel.
    Image2.changePicture(
        [](ui::Bitmap& picture) { picture.setPixelFormat(ui::PixelFormat::Bits24); });

    // 7. The face at 24 bits per pixel too.
    ClockFace.setPixelFormat(ui::PixelFormat::Bits24);

    // 8. The clock settings.
    readClockSettings(*settingsFile, ClockSettings);

    // 9. Done with the settings file.
    settingsFile.reset();

    // 10. No taskbar button and no place in the task switcher.
    ShowWindow(application, SW_HIDE);
    SetWindowLongA(application, GWL_EXSTYLE,
                   GetWindowLongA(application, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    ShowWindow(application, SW_SHOW);

    // 11. The audio output; a failure is reported and start-up goes on.
    initAudioOutput();

    // 12. The folder again, for the slide show.
    path.setCaption(ui::extractFilePath(platform::current().moduleFileName()));

    // 13. The skin.
    pan.loadFromResource("panel");

    // The steps after the skin (the first slide, the tray icon) run through
    // runLateStartupStep: a failing one is reported and the next still runs, so a missing
    // picture cannot cost the user the tray icon and its menu.

    // 14. The first slide.
    runLateStartupStep([this] { loadStartupSlide(); });

    // 15. The tray icon.
    runLateStartupStep([this] { addTrayIcon(); });
}

void TForm1::runLateStartupStep(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        ui::Application::instance().showException(error);
    }
}

void TForm1::FormClose(ui::CloseAction& action) {
    // Freeing the main window ends the application, exactly as Exit does.
    action = ui::CloseAction::Free;
}

void TForm1::FormDestroy() {
    // The tray icon goes with the window; the shell's answer is not examined (there is none to
    // remove when start-up ended before adding it).
    Shell_NotifyIconA(NIM_DELETE, &TrayIconData);
}

}  // namespace brivane
