#include "Clock.h"

#include <mutex>

namespace ravik {

namespace {

// Scans may ask for today from worker threads while a test sets it.
std::mutex& clockMutex() {
    static std::mutex mutex;
    return mutex;
}

QDate& fixedToday() {
    static QDate date;
    return date;
}

} // namespace

QDate Clock::today() {
    {
        const std::lock_guard lock(clockMutex());
        if (fixedToday().isValid())
            return fixedToday();
    }
    return QDate::currentDate();
}

void Clock::setToday(QDate date) {
    const std::lock_guard lock(clockMutex());
    fixedToday() = date.isValid() ? date : QDate();
}

} // namespace ravik
