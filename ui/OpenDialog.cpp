#include "ui/OpenDialog.h"

#include <vector>

#include "platform/platform.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace brivane::ui {

namespace {

// "Mp3|*.mp3|Wav|*.wav" as its entries; a name without a pattern lists nothing.
std::vector<platform::FileFilter> filterEntries(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from <= filter.size() && !filter.empty()) {
        const std::size_t bar = filter.find('|', from);
        parts.push_back(filter.substr(from, bar == std::string::npos ? bar : bar - from));
        if (bar == std::string::npos) break;
        from = bar + 1;
    }
    std::vector<platform::FileFilter> entries;
    for (std::size_t i = 0; i < parts.size(); i += 2)
        entries.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
    return entries;
}

}  // namespace

bool OpenDialog::execute() {
    Application& application = Application::instance();
    // What the click that opens the dialog changed (a pressed button) is on screen meanwhile.
    application.updateForms();
    const Form* owner = application.mainForm();
    std::string chosen;
    if (!platform::current().runOpenDialog(owner ? owner->handle() : 0, filterEntries(filter),
                                           filterIndex, chosen))
        return false;
    fileName = chosen;
    return true;
}

}  // namespace brivane::ui
