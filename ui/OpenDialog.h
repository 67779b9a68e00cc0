// The file-open dialog's settings: its filter ("Name|pattern|Name|pattern...") and the entry
// selected when it opens (counted from 1).
#pragma once

#include <string>

namespace brivane::ui {

class OpenDialog {
public:
    std::string filter;
    int filterIndex = 1;
    std::string fileName;
};

}  // namespace brivane::ui
