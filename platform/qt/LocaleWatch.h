// The user's regional settings for dates and times on the Linux desktop, and the notice of
// their change.
//
// The names come from Qt's system locale, which on Linux follows LC_ALL, LC_TIME and LANG: the
// full stand-alone month and weekday names, and the time separator taken from the locale's short
// time format (the text between the hour and the minutes; none found means it cannot be read).
//
// The change notice is Qt's QEvent::LocaleChange. Qt sends it when the system announces new
// regional settings (on Windows a settings-change message naming "intl") and passes it on to
// every top-level widget; anyone may also post it to the application. A Linux desktop has no
// system-wide announcement of its own, and a running process keeps the locale of the
// environment it was started with, so there the names read at start usually stay. However
// often the event arrives for one change (the application and each window), the handlers run
// once, from the event loop.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "platform/platform.h"

class QEvent;

namespace brivane::platform::qt {

// The names and the separator of Qt's system locale as they are now.
LocaleNames systemLocaleNames();

// The time separator of a Qt time format ("HH:mm" gives ":"); false when there is none to read.
bool timeSeparatorOf(const QString& format, std::string& separator);

class LocaleWatch final : public QObject {
public:
    explicit LocaleWatch(QObject* application);
    void add(std::function<void()> handler) { handlers_.push_back(std::move(handler)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void announce();

    std::vector<std::function<void()>> handlers_;
    bool pending_ = false;
};

}  // namespace brivane::platform::qt
