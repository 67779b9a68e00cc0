// Fonts asked for by face name and pixel height, resolved to what this machine has.
//
// Tahoma: the installed Tahoma if there is one, else the free Tahoma-compatible faces that
// Wine ships (loaded from their files), else DejaVu Sans. Verdana: the installed Verdana, else
// DejaVu Sans. Any other face: itself when installed, else DejaVu Sans. Sizes are character
// heights in pixels (the em), as a 96-dpi Windows font height gives them.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/platform.h"

namespace brivane::platform::qt {

class FontBook {
public:
    // The font for `spec`, pixel-sized (so 96 dpi sizes hold on any screen). Cached.
    const QFont& font(const FontSpec& spec);
    const QFontMetrics& metrics(const FontSpec& spec);
    // The line's ascent and height as Windows measures them (from the face's OS/2 "win"
    // metrics), so text sits where it sits there; Qt may use the typographic ones instead.
    int ascent(const FontSpec& spec) { return entry(spec).ascent; }
    int height(const FontSpec& spec) { return entry(spec).height; }

    // The family a face name resolves to.
    QString family(const std::string& name);

private:
    struct Entry {
        QFont font;
        QFontMetrics metrics;
        int ascent = 0;
        int height = 0;
    };
    using Key = std::tuple<std::string, int, bool, bool>;

    Entry& entry(const FontSpec& spec);
    QString tahoma();

    std::map<Key, Entry> cache_;
    std::map<std::string, QString> families_;
    std::optional<QString> tahoma_;
};

}  // namespace brivane::platform::qt
