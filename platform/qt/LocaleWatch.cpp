#include "platform/qt/LocaleWatch.h"

#include <QEvent>
#include <QLocale>
#include <QMetaObject>

#include "platform/ProfileReader.h"
#include "platform/qt/QtPlatform.h"

namespace brivane::platform::qt {

bool timeSeparatorOf(const QString& format, std::string& separator) {
    // Skip to the hour, then take the literal text up to the minutes.
    qsizetype i = 0;
    bool quoted = false;
    auto isField = [](QChar c) { return c.isLetter(); };
    while (i < format.size() && (quoted || (format[i] != u'h' && format[i] != u'H'))) {
        if (format[i] == u'\'') quoted = !quoted;
        ++i;
    }
    if (i == format.size()) return false;
    while (i < format.size() && (format[i] == u'h' || format[i] == u'H')) ++i;
    QString text;
    quoted = false;
    for (; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            if (i + 1 < format.size() && format[i + 1] == u'\'') {
                text += c;  // '' is a quotation mark itself
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (quoted || !isField(c)) {
            text += c;
        } else if (c == u'm') {
            separator = text.toStdString();
            return true;
        } else {
            return false;  // another field before the minutes
        }
    }
    return false;
}

LocaleNames systemLocaleNames() {
    const QLocale locale = QLocale::system();
    LocaleNames names;
    for (int m = 1; m <= 12; ++m)
        names.monthNames[std::size_t(m - 1)] =
            locale.standaloneMonthName(m, QLocale::LongFormat).toStdString();
    // Qt counts Monday 1 to Sunday 7; the names go Sunday first.
    for (int d = 0; d < 7; ++d)
        names.dayNames[std::size_t(d)] =
            locale.standaloneDayName(d == 0 ? 7 : d, QLocale::LongFormat).toStdString();
    names.timeSeparatorKnown =
        timeSeparatorOf(locale.timeFormat(QLocale::ShortFormat), names.timeSeparator);
    return names;
}

LocaleWatch::LocaleWatch(QObject* application) : QObject(application) {
    application->installEventFilter(this);
}

bool LocaleWatch::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::LocaleChange && !pending_) {
        pending_ = true;
        QMetaObject::invokeMethod(
            this, [this] { announce(); }, Qt::QueuedConnection);
    }
    return false;
}

void LocaleWatch::announce() {
    pending_ = false;
    for (auto& handler : handlers_) handler();
}

// --- QtPlatform's clock and calendar services --------------------------------------------------

std::uint32_t QtPlatform::GetPrivateProfileStringA(const char* section, const char* key,
                                                   const char* defaultText, char* buffer,
                                                   std::uint32_t size, const char* fileName) {
    return readProfileString(section, key, defaultText, buffer, size, fileName);
}

LocaleNames QtPlatform::localeNames() { return systemLocaleNames(); }

void QtPlatform::onLocaleChanged(std::function<void()> handler) {
    if (localeWatch_ == nullptr) localeWatch_ = new LocaleWatch(app_.get());
    localeWatch_->add(std::move(handler));
}

}  // namespace brivane::platform::qt
