// The now-playing title strip: pnlDisplay's text turns left by one character every second while
// Timer3 runs; a click on the strip stops or resumes it. The text itself is the whole state.
#include <string>

#include "sidebar/TForm1.h"

namespace brivane {

namespace {

// The length in bytes of the UTF-8 character that starts `text`: a lead byte and the
// continuation bytes after it.
std::size_t firstCharacterLength(const std::string& text) {
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
    return n;
}

}  // namespace

void TForm1::Timer3Timer() {
    const std::string s = pnlDisplay.caption();
    if (s.empty()) return;
    const std::size_t first = firstCharacterLength(s);
    pnlDisplay.setCaption(s.substr(first) + s.substr(0, first));
}

void TForm1::pnlDisplayClick() { Timer3.setEnabled(!Timer3.enabled()); }

}  // namespace brivane
