// The file-open dialog: its filter ("Name|pattern|Name|pattern..."), the entry selected when it
// opens (counted from 1), and the file the user confirmed.
#pragma once

#include <string>

namespace brivane::ui {

class OpenDialog {
public:
    std::string filter;
    int filterIndex = 1;
    std::string fileName;

    // Runs the dialog modally, owned by the main form. True when the user confirmed a file,
    // whose full path is then in fileName; a cancel leaves fileName as it was.
    bool execute();
};

}  // namespace brivane::ui
