// Shows the desktop platform on its own: a 122-pixel strip at the right edge of the work area
// with a painted picture, a ticking square, a list box and an edit box. Prints every event.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/platform.h"

using namespace brivane::platform;

namespace {

class Demo final : public WindowListener, public NativeListener {
public:
    explicit Demo(Platform& p) : p_(p) {}

    void start() {
        WindowSpec spec;
        spec.caption = "Sidebar";
        spec.background = p_.sysColor(27);
        window_ = p_.createWindow(spec, this);
        list_ = p_.createNative(window_, NativeKind::ListBox, this);
        NativeStyle listStyle;
        listStyle.background = 0xFF000000;
        listStyle.textColor = 0xFFFFFFFF;
        listStyle.border = false;
        listStyle.cursor = Cursor::Hand;
        listStyle.hint = "Double click to play song. Del key to remove song.";
        listStyle.tabOrder = 1;
        p_.setNativeStyle(list_, listStyle);
        p_.setNativeBounds(list_, {6, 295, 6 + 113, 295 + 81});
        for (int i = 0; i < 9; ++i) p_.listInsert(list_, i, "Song " + std::to_string(i + 1));
        edit_ = p_.createNative(window_, NativeKind::Edit, this);
        NativeStyle editStyle;
        p_.setNativeStyle(edit_, editStyle);
        p_.setNativeBounds(edit_, {8, 462, 8 + 90, 462 + 21});
        p_.onWorkAreaChanged([this] {
            std::printf("work area changed\n");
            place();
        });
        place();
        p_.setWindowVisible(window_, true);
        p_.startTimer(1000, [this] { tick(); });
    }

    // WindowListener
    void mousePressed(MouseButton b, ShiftState s, Point at) override {
        std::printf("press %d shift %u at %d,%d\n", static_cast<int>(b), s, at.x, at.y);
        if (b == MouseButton::Right) p_.messageBox("A message.", "Brivane", MessageKind::Plain);
        if (b == MouseButton::Middle) p_.messageBox("An error.", "Brivane", MessageKind::Error);
    }
    void mouseReleased(MouseButton b, ShiftState s, Point at) override {
        std::printf("release %d shift %u at %d,%d\n", static_cast<int>(b), s, at.x, at.y);
    }
    void mouseMoved(ShiftState, Point at) override {
        bool overSquare = at.x >= 8 && at.x < 113 && at.y >= 8 && at.y < 113;
        p_.setWindowCursor(window_, overSquare ? Cursor::Hand : Cursor::Arrow);
        p_.setWindowHint(window_, overSquare ? "The ticking square" : "");
    }
    void mouseLeft() override { std::printf("left\n"); }
    void closeRequested() override {
        std::printf("close requested\n");
        p_.quit(0);
    }
    void exposed(Rect r) override {
        std::printf("exposed %d,%d %dx%d\n", r.left, r.top, r.width(), r.height());
        p_.present(window_, view(), r);
    }

    // NativeListener
    void selectionChangedByUser(int index) override { std::printf("selected %d\n", index); }
    void clicked() override { std::printf("clicked\n"); }
    void doubleClicked() override { std::printf("double clicked\n"); }
    void keyDown(int key, ShiftState shift) override {
        std::printf("key %d shift %u\n", key, shift);
    }
    void textChangedByUser(const std::string& text) override {
        std::printf("text '%s'\n", text.c_str());
    }

private:
    ConstPixelView view() const { return {pixels_.data(), width_, height_, width_}; }

    void place() {
        Rect area = p_.workArea();
        Rect bounds{area.right - 122, area.top, area.right, area.bottom};
        std::printf("work area %d,%d %dx%d\n", area.left, area.top, area.width(), area.height());
        p_.setWindowBounds(window_, bounds);
        paint(bounds.width(), bounds.height());
        p_.present(window_, view(), {0, 0, width_, height_});
    }

    void paint(int width, int height) {
        width_ = width;
        height_ = height;
        pixels_.assign(static_cast<std::size_t>(width) * height, 0);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                auto g = static_cast<std::uint32_t>(40 + (y * 100) / (height ? height : 1));
                pixels_[static_cast<std::size_t>(y) * width + x] = 0xFF000000u | (g << 8) | 60;
            }
        }
        PixelView target{pixels_.data(), width_, height_, width_};
        FontSpec verdana{"Verdana", 12, true, false};
        p_.drawText(target, {0, 0, width_, height_}, {16, 501}, verdana, 0xFF0000FF, "December");
        FontSpec tahoma{"Tahoma", 11, false, false};
        p_.drawText(target, {0, 0, width_, height_}, {12, 522}, tahoma, 0xFFFFFFFF, "Thursday 11");
        square(0xFFE0E0E0);
    }

    void square(std::uint32_t color) {
        for (int y = 8; y < 113 && y < height_; ++y) {
            for (int x = 8; x < 113 && x < width_; ++x) {
                pixels_[static_cast<std::size_t>(y) * width_ + x] = color;
            }
        }
    }

    void tick() {
        ++ticks_;
        square(ticks_ % 2 ? 0xFFC04040 : 0xFF4040C0);
        p_.present(window_, view(), {8, 8, 113, 113});
    }

    Platform& p_;
    Handle window_ = 0, list_ = 0, edit_ = 0;
    std::vector<std::uint32_t> pixels_;
    int width_ = 0, height_ = 0, ticks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    auto platform = createDesktopPlatform(argc, argv);
    setCurrent(platform.get());
    Demo demo(*platform);
    demo.start();
    int code = platform->runMessageLoop();
    std::printf("exit %d\n", code);
    return code;
}
