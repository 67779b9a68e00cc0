// The search box: the text of Edit1 is handed to the shell's "open" exactly as typed, by a
// click on `go` or by Enter in the box.
#include "platform/winapi.h"
#include "sidebar/TForm1.h"

namespace brivane {

void TForm1::goClick() {
    ShellExecuteA(handle(), "open", Edit1.text().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::Edit1KeyDown(int& key, ui::ShiftState) {
    // Any modifiers, every repeat; the key goes on to the edit box.
    if (key == 13) goClick();
}

}  // namespace brivane
