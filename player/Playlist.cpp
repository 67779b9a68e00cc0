// The playlist: ListBox1 shows each song's file name, the hidden ListBox2 holds its full path at
// the same index. Songs come in through the file dialog behind Open and by dropping files onto
// the list; only AddSong and RemoveSong change the two lists.
#include <string>

#include "platform/winapi.h"
#include "sidebar/TForm1.h"
#include "ui/FilePath.h"

namespace brivane {

namespace {
constexpr int DeleteKey = 46;
constexpr UINT AllFiles = 0xFFFFFFFF;
}  // namespace

void TForm1::AddSong(const std::string& FileName) {
    ListBox1.addItem(ui::extractFileName(FileName));
    ListBox2.addItem(FileName);
    // Selecting here raises no click: the title strip keeps its text.
    if (ListBox1.itemIndex() == -1) ListBox1.setItemIndex(ListBox1.count() - 1);
}

void TForm1::RemoveSong() {
    int i = ListBox1.itemIndex();
    ListBox1.deleteItem(i);
    ListBox2.deleteItem(i);
    if (i > ListBox1.count() - 1) i = ListBox1.count() - 1;
    // The line that moved into the removed one's place; none once the list is empty.
    ListBox1.setItemIndex(i);
}

void TForm1::OpenClick() {
    if (opendlgsong.execute()) AddSong(opendlgsong.fileName);
}

void TForm1::removeClick() { RemoveSong(); }

void TForm1::ListBox1KeyDown(int& key, ui::ShiftState) {
    // Shift, Ctrl and Alt make no difference; the key goes on to the list box unchanged.
    if (key == DeleteKey) RemoveSong();
}

void TForm1::ListBox1Click() {
    const int i = ListBox1.itemIndex();
    pnlDisplay.setCaption(i >= 0 ? ListBox1.item(i) : std::string());
}

void TForm1::windowMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg == WM_DROPFILES) WMDropFiles(wParam);
    if (msg == WM_TRAYICON) WMTrayIcon(wParam, lParam);
}

void TForm1::WMDropFiles(std::uintptr_t drop) {
    const UINT n = DragQueryFileA(drop, AllFiles, nullptr, 0);
    for (UINT i = 0; i < n; ++i) {
        // Each path whole, whatever its length: ask for the length, then fetch that much.
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string buffer(std::size_t(length) + 1, '\0');
        DragQueryFileA(drop, i, buffer.data(), length + 1);
        AddSong(buffer.c_str());
    }
    DragFinish(drop);
}

}  // namespace brivane
