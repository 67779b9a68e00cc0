// The slide show: pictures from the folder "Slide" beside the executable, shown in `imagine` on
// the ticks of Timer1; a click on the picture pauses and resumes the show.
#include <exception>
#include <string>

#include "sidebar/TForm1.h"
#include "ui/Application.h"
#include "ui/FilePath.h"

namespace brivane {

std::uint8_t SlideTick = 0;

namespace {

// Whether a slide's error report is on screen. The timer keeps running while it is open, so a
// folder without its pictures fails every 8 seconds; such a further failure is dropped, not
// reported, and the next failure after the report has been dismissed opens a new one. The show
// goes on with its sequence either way.
bool slideReportOpen = false;

std::string slideFile(const std::string& folder, const std::string& name) {
    return folder + "Slide" + ui::PathDelimiter + name + ".bmp";
}

// Loads a slide into the picture widget. The picture changes only when the whole file has been
// read; a failed load leaves the picture shown before and is reported by the standard error
// report. The picture is drawn opaque, whatever alpha channel its file has.
void showSlide(ui::Image& imagine, const std::string& file) {
    try {
        imagine.loadFromFile(file);
    } catch (const std::exception& error) {
        if (slideReportOpen) return;
        slideReportOpen = true;
        struct Dismissed {
            ~Dismissed() { slideReportOpen = false; }
        } dismissed;
        ui::Application::instance().showException(error);
        return;
    }
    imagine.changePicture(
        [](ui::Bitmap& picture) { picture.setPixelFormat(ui::PixelFormat::Bits24); });
}

}  // namespace

void TForm1::loadStartupSlide() { showSlide(imagine, slideFile(path.caption(), "10")); }

void TForm1::Timer1Timer() {
    SlideTick = std::uint8_t(SlideTick + 1);
    lolevel.setCaption(std::to_string(SlideTick));
    if (SlideTick % 2 == 1) imagine.tag = imagine.tag + 1;
    if (imagine.tag > 5) imagine.tag = 1;
    showSlide(imagine, slideFile(path.caption(), "1" + std::to_string(imagine.tag)));
}

void TForm1::imagineClick() { Timer1.setEnabled(!Timer1.enabled()); }

}  // namespace brivane
