// The two clock modes. Each choice of the settings window rearranges the sidebar's widgets in
// the same fourteen steps; later steps read tops that earlier ones have just set, so every
// place goes back to the unchanging tops of the clock face and the time panel. The mode exists
// only as the state of these widgets: no timer and no content is touched.
#include "settings/TForm3.h"
#include "sidebar/TForm1.h"

namespace brivane {

namespace {

int bottom(const ui::Control& c) { return c.top() + c.height(); }
int bottom(const ui::NativeControl& c) { return c.top() + c.height(); }

void setFontSize(ui::Label& label, int points, bool makeBold = false) {
    ui::Font font = label.font();
    font.setSize(points);
    if (makeBold) font.bold = true;
    label.setFont(font);
}

}  // namespace

void TForm3::HideDigitalClock() {
    Form1->ceasimg.hide();
    Form1->Label3.hide();
}

void TForm3::ShowDigitalClock() {
    Form1->ceasimg.show();
    Form1->Label3.show();
}

// The six shortcut icons in two rows, 8 and 38 pixels below the top of their panel.
void TForm3::PlaceShortcutIcons() {
    const int s = Form1->shortcutsimg.top();
    Form1->Image3.setTop(s + 8);
    Form1->Image6.setTop(s + 8);
    Form1->Image5.setTop(s + 8);
    Form1->Image4.setTop(s + 38);
    Form1->Image7.setTop(s + 38);
    Form1->Image8.setTop(s + 38);
}

// "Clock": the analog face on top and every widget at its design place (Image9 excepted: it
// keeps the tall page's height).
void TForm3::Image1Click() {
    TForm1& f = *Form1;
    // 1, 2. The clock face instead of the time panel.
    HideDigitalClock();
    f.Image2.show();
    // 3 to 8. The slide show, the shortcut panel and its icons, the playlist and the title strip,
    // each below the one before.
    f.slideimg.setTop(bottom(f.Image2) + 5);
    f.imagine.setTop(bottom(f.Image2) + 11);
    f.shortcutsimg.setTop(bottom(f.slideimg) + 2);
    PlaceShortcutIcons();
    f.ListBox1.setTop(bottom(f.shortcutsimg) + 2);
    f.pnlDisplay.setTop(bottom(f.ListBox1) + 1);
    // 9a to 9h. The player at its fixed design places.
    f.Image1.setLeft(6);
    f.Image1.setTop(390);
    f.Open.setTop(397);
    f.Open.setLeft(14);
    f.prev.setTop(410);
    f.prev.setLeft(23);
    f.btnStop.setTop(428);
    f.btnStop.setLeft(14);
    f.remove.setTop(397);
    f.remove.setLeft(97);
    f.next.setTop(412);
    f.next.setLeft(86);
    f.btnPause.setTop(427);
    f.btnPause.setLeft(88);
    f.Play.setTop(398);
    f.Play.setLeft(40);
    // 10, 11. The search box and its button below the player.
    f.Edit1.setTop(bottom(f.Image1) + 3);
    f.go.setTop(bottom(f.Image1) + 3);
    // 12 to 14. The short calendar plate with the month and the day; the day's bold style, once
    // set by the digital layout, stays.
    f.Image9.setTop(495);
    f.Image9.setHeight(119);
    f.Image9.loadFromResource("calendar1");
    f.Label1.setTop(501);
    f.Label1.setHeight(17);
    setFontSize(f.Label1, 9);
    f.Label2.setTop(522);
    f.Label2.setHeight(19);
    setFontSize(f.Label2, 8);
}

// "Digital clock": the small time panel on top, everything below moved up by the 70 pixels the
// panel is shorter than the face, and the calendar grown into a tall page.
void TForm3::Image2Click() {
    TForm1& f = *Form1;
    // 1, 2. The time panel instead of the clock face.
    ShowDigitalClock();
    f.Image2.hide();
    // 3 to 8. As in the analog layout, from the time panel's bottom.
    f.slideimg.setTop(bottom(f.ceasimg) + 5);
    f.imagine.setTop(bottom(f.ceasimg) + 11);
    f.shortcutsimg.setTop(bottom(f.slideimg) + 2);
    PlaceShortcutIcons();
    f.ListBox1.setTop(bottom(f.shortcutsimg) + 2);
    f.pnlDisplay.setTop(bottom(f.ListBox1) + 1);
    // 9a to 9h. The player below the title strip.
    f.Image1.setTop(bottom(f.pnlDisplay) + 2);
    f.Open.setTop(bottom(f.pnlDisplay) + 9);
    f.prev.setTop(bottom(f.pnlDisplay) + 22);
    f.btnStop.setTop(bottom(f.pnlDisplay) + 40);
    f.remove.setTop(bottom(f.pnlDisplay) + 9);
    f.next.setTop(bottom(f.pnlDisplay) + 24);
    f.btnPause.setTop(bottom(f.pnlDisplay) + 39);
    f.Play.setTop(bottom(f.pnlDisplay) + 10);
    // 10, 11. The search box and its button below the player.
    f.Edit1.setTop(bottom(f.Image1) + 3);
    f.go.setTop(bottom(f.Image1) + 3);
    // 12 to 14. The tall calendar page with larger texts; the day in bold.
    f.Image9.setTop(bottom(f.Edit1) + 10);
    f.Image9.setHeight(119);
    f.Image9.loadFromResource("calendar");
    f.Label1.setTop(bottom(f.Edit1) + 30);
    f.Label1.setHeight(25);
    setFontSize(f.Label1, 12);
    f.Label2.setTop(bottom(f.Edit1) + 80);
    f.Label2.setHeight(25);
    setFontSize(f.Label2, 9, true);
}

}  // namespace brivane
