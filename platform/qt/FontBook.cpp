#include "platform/qt/FontBook.h"

#include <QFontDatabase>
#include <QStringList>

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
    return cache_.emplace(key, Entry{font, QFontMetrics(font)}).first->second;
}

const QFont& FontBook::font(const FontSpec& spec) { return entry(spec).font; }

const QFontMetrics& FontBook::metrics(const FontSpec& spec) { return entry(spec).metrics; }

}  // namespace brivane::platform::qt
