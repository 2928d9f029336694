#include "Clock.h"
#include "Conversions.h"
#include "Errors.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace ravik {

namespace {

QDate epoch() {
    return QDate(1899, 12, 30);
}

// The day counts of 1 January 0001 and 31 December 9999.
constexpr double firstDayValue = -693593;
constexpr double lastDayValue = 2958465;

enum Part { Day, Month, Year };

bool isBlank(QChar c) {
    return c == QLatin1Char(' ');
}
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Day, month and year in the order their letters first appear in the format.
std::array<Part, 3> dateOrder(const QString& format) {
    const auto position = [&](char letter) {
        const qsizetype at = format.indexOf(QLatin1Char(letter), 0, Qt::CaseInsensitive);
        return at < 0 ? std::numeric_limits<qsizetype>::max() : at;
    };
    const std::array<qsizetype, 3> at = {position('d'), position('m'), position('y')};
    std::array<Part, 3> order = {Day, Month, Year};
    // Stable: a format lacking a letter leaves it in day-month-year order at the end.
    std::stable_sort(order.begin(), order.end(), [&](Part a, Part b) { return at[a] < at[b]; });
    return order;
}

// Puts a one- or two-digit year in the hundred years around today.
int windowedYear(int year) {
    const int base = Clock::today().year() - 50;
    year += base / 100 * 100;
    return year < base ? year + 100 : year;
}

std::optional<QDate> scanDate(const QString& text, const FormatSettings& fs) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < size && isBlank(text.at(i)))
            ++i;
    };

    std::array<int, 3> numbers{};
    std::array<qsizetype, 3> widths{};
    int count = 0;
    for (;;) {
        skipBlanks();
        const qsizetype start = i;
        int number = 0;
        // Four digits at most, as a year has; more cannot make a date.
        while (i < size && isDigit(text.at(i)) && i - start < 4)
            number = number * 10 + text.at(i++).digitValue();
        if (i == start || (i < size && isDigit(text.at(i))))
            return std::nullopt;
        numbers[count] = number;
        widths[count] = i - start;
        ++count;
        if (i == size || text.at(i) != fs.dateSeparator)
            break;
        ++i;
        skipBlanks();
        if (i == size || count == 3)
            break;
    }
    skipBlanks();
    if (i != size || count < 2)
        return std::nullopt;

    std::array<Part, 3> order = dateOrder(fs.shortDateFormat);
    if (count == 2)
        std::stable_partition(order.begin(), order.end(), [](Part p) { return p != Year; });
    int day = 0;
    int month = 0;
    int year = Clock::today().year();
    for (int k = 0; k < count; ++k) {
        switch (order[k]) {
        case Day:
            day = numbers[k];
            break;
        case Month:
            month = numbers[k];
            break;
        case Year:
            year = widths[k] <= 2 ? windowedYear(numbers[k]) : numbers[k];
            break;
        }
    }
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

QString padded(int number, int width) {
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

} // namespace

double dateToValue(QDate date) {
    if (!date.isValid())
        throw ConvertError(QStringLiteral("Invalid date"));
    return static_cast<double>(epoch().daysTo(date));
}

QDate valueToDate(double value) {
    const double days = std::trunc(value);
    // Also rejects NaN: every comparison with it fails.
    if (!(days >= firstDayValue && days <= lastDayValue))
        throw ConvertError(
            QStringLiteral("'%1' is not a valid date value").arg(QString::number(value, 'g', 15)));
    return epoch().addDays(static_cast<qint64>(days));
}

QDate strToDate(const QString& text, const FormatSettings& fs) {
    if (const std::optional<QDate> date = scanDate(text, fs))
        return *date;
    throw ConvertError(QLatin1Char('\'') + text + QLatin1String("' is not a valid date"));
}

QString dateToStr(QDate date, const FormatSettings& fs) {
    // No date shows as an empty field.
    if (!date.isValid())
        return {};
    const QString& format = fs.shortDateFormat;
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        const QChar letter = c.toLower();
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run).toLower() == letter)
            ++run;
        switch (letter.unicode()) {
        case 'd':
            out += padded(date.day(), run == 1 ? 1 : 2);
            break;
        case 'm':
            out += padded(date.month(), run == 1 ? 1 : 2);
            break;
        case 'y':
            out += run <= 2 ? padded(std::abs(date.year()) % 100, 2) : padded(date.year(), 4);
            break;
        default:
            out += c == QLatin1Char('/') ? fs.dateSeparator : c;
            run = 1;
            break;
        }
        i += run;
    }
    return out;
}

} // namespace ravik
