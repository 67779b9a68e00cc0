// A pop-up menu: its items, top to bottom. A separator is an item with the caption "-".
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brivane::ui {

struct MenuItem {
    std::string name;
    std::string caption;
    std::function<void()> onClick;
    bool separator() const { return caption == "-"; }
};

class PopupMenu {
public:
    std::vector<MenuItem> items;

    // Shows the menu with its top-left corner at the screen point and returns once it has
    // closed; the chosen item's handler (if any) has then run as an event of its own.
    void popup(int x, int y);
};

}  // namespace brivane::ui
