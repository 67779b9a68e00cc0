#include "platform/qt/FontBook.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QStringList>
#include <cmath>

namespace brivane::platform::qt {

namespace {

const QString Fallback = QStringLiteral("DejaVu Sans");

// Where Debian's fonts-wine puts its Tahoma-compatible faces.
const char* const WineTahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

bool installed(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

QString FontBook::tahoma() {
    if (tahoma_) return *tahoma_;
    tahoma_ = Fallback;
    if (installed(QStringLiteral("Tahoma"))) {
        tahoma_ = QStringLiteral("Tahoma");
        return *tahoma_;
    }
    for (const char* file : WineTahomaFiles) {
        int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
        if (id < 0) continue;
        QStringList loaded = QFontDatabase::applicationFontFamilies(id);
        if (!loaded.isEmpty() && *tahoma_ == Fallback) tahoma_ = loaded.first();
    }
    return *tahoma_;
}

QString FontBook::family(const std::string& name) {
    auto known = families_.find(name);
    if (known != families_.end()) return known->second;
    QString asked = QString::fromStdString(name);
    QString resolved;
    if (asked.compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) == 0) {
        resolved = tahoma();
    } else if (installed(asked)) {
        resolved = asked;
    } else {
        resolved = Fallback;
    }
    families_.emplace(name, resolved);
    return resolved;
}

FontBook::Entry& FontBook::entry(const FontSpec& spec) {
    Key key{spec.name, spec.height, spec.bold, spec.italic};
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;
    QFont font(family(spec.name));
    font.setPixelSize(spec.height > 0 ? spec.height : 1);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    Entry made{font, QFontMetrics(font)};
    made.ascent = made.metrics.ascent();
    made.height = made.metrics.height();
    QRawFont raw = QRawFont::fromFont(font);
    QByteArray os2 = raw.fontTable("OS/2");
    if (raw.isValid() && raw.unitsPerEm() > 0 && os2.size() >= 78) {
        auto word = [&os2](int at) {
            return (static_cast<unsigned char>(os2[at]) << 8) |
                   static_cast<unsigned char>(os2[at + 1]);
        };
        const double scale = font.pixelSize() / raw.unitsPerEm();
        const int ascent = static_cast<int>(std::lround(word(74) * scale));   // usWinAscent
        const int descent = static_cast<int>(std::lround(word(76) * scale));  // usWinDescent
        if (ascent > 0) {
            made.ascent = ascent;
            made.height = ascent + descent;
        }
    }
    return cache_.emplace(key, made).first->second;
}

const QFont& FontBook::font(const FontSpec& spec) { return entry(spec).font; }

const QFontMetrics& FontBook::metrics(const FontSpec& spec) { return entry(spec).metrics; }

}  // namespace brivane::platform::qt
