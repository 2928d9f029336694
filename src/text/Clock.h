#pragma once

#include <QDate>

namespace ravik {

// Today's date for every conversion and scan; tests fix it.
class Clock {
public:
    static QDate today();
    // An invalid date returns to the system clock.
    static void setToday(QDate date);
};

} // namespace ravik
