#include "ui/PopupMenu.h"

#include "platform/platform.h"
#include "ui/Application.h"

namespace brivane::ui {

void PopupMenu::popup(int x, int y) {
    std::vector<std::string> captions;
    captions.reserve(items.size());
    for (const MenuItem& item : items) captions.push_back(item.separator() ? "-" : item.caption);
    const int chosen = platform::current().popupMenu(captions, {x, y});
    if (chosen < 0 || chosen >= int(items.size())) return;
    const std::function<void()> handler = items[std::size_t(chosen)].onClick;
    if (handler && !items[std::size_t(chosen)].separator())
        Application::instance().dispatch(handler);
}

}  // namespace brivane::ui
