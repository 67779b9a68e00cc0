// The pictures of Brivane, drawn by this program: the groups of pictures, the colours they share
// and the places in the sidebar that they are drawn for.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "resources/artwork/Canvas.h"
#include "ui/Bitmap.h"

namespace brivane::artwork {

// Colours of the skin.
inline const Color PanelColor = Color::rgb(17, 20, 25);  // the sidebar's charcoal
inline const ui::Argb PanelArgb = ui::rgb(17, 20, 25);
inline const ui::Argb Magenta = ui::rgb(255, 0, 255);  // key colour of the keyed buttons
inline const ui::Argb Cyan = ui::rgb(0, 255, 255);     // key colour of the slide frame
inline const ui::Argb Black = ui::rgb(0, 0, 0);
inline const ui::Argb White = ui::rgb(255, 255, 255);

// The player plate's place in the sidebar and the buttons' places relative to it. Both clock
// layouts move the plate and its buttons together, so these offsets hold in either.
struct Spot {
    int x;
    int y;
};
inline constexpr Spot PlayerPlate{6, 390};
inline constexpr Spot PlayOnPlate{34, 8};
inline constexpr Spot OpenOnPlate{8, 7};
inline constexpr Spot StopOnPlate{8, 38};
inline constexpr Spot PauseOnPlate{82, 37};
inline constexpr Spot RemoveOnPlate{91, 7};
inline constexpr Spot PrevOnPlate{17, 20};
inline constexpr Spot NextOnPlate{80, 22};
inline constexpr Spot SearchButton{97, 462};  // `go`, on the panel beside the search box

// The face of the analog clock: the disc's centre and radius in picture coordinates, and the
// hand pivot (a whole pixel) that lclock.ini gives.
inline constexpr double FaceCentreX = 52.0;
inline constexpr double FaceCentreY = 51.0;
inline constexpr double FaceRadius = 51.0;
inline constexpr int PivotX = 51;
inline constexpr int PivotY = 51;

// Every picture drawn, by its path under resources/ ("images/play.bmp").
class Gallery {
public:
    void add(const std::string& path, ui::Bitmap bitmap);
    // A file written as it is (the palettized icon images).
    void addFile(const std::string& path, std::vector<std::uint8_t> bytes);
    const ui::Bitmap& get(const std::string& path) const;

    const std::map<std::string, ui::Bitmap>& pictures() const { return pictures_; }
    const std::map<std::string, std::vector<std::uint8_t>>& files() const { return files_; }

private:
    std::map<std::string, ui::Bitmap> pictures_;
    std::map<std::string, std::vector<std::uint8_t>> files_;
};

// The groups, in the order they are drawn (later groups use earlier pictures as their ground).
void drawSkin(Gallery& gallery);            // panel, plates, frames, clock faces, calendar pages
void drawPlayerButtons(Gallery& gallery);   // the player's buttons and the search button
void drawShortcutIcons(Gallery& gallery);   // the six shortcut icons
void drawSettingsWindow(Gallery& gallery);  // the settings window's pictures
void drawProgramIcon(Gallery& gallery);     // the nine images of the program icon
void drawSlides(Gallery& gallery);          // the six slide-show pictures

// The text of lclock.ini for the clock face drawn here.
std::string clockSettingsText();

// Previews for looking at the artwork in place: the sidebar in its two layouts and with every
// button pressed, side by side; and the settings window.
ui::Bitmap sidebarPreview(const Gallery& gallery);
ui::Bitmap settingsPreview(const Gallery& gallery);

}  // namespace brivane::artwork
