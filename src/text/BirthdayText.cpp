#include "BirthdayText.h"

#include <QStringList>

namespace ravik {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSeparatorPosition(int pos) {
    return pos == 2 || pos == 5;
}

QString fitGroup(const QString& group, int width) {
    if (group.size() >= width)
        return group.right(width);
    return QString(width - group.size(), QLatin1Char(' ')) + group;
}

} // namespace

QString fitBirthday(const QString& stored, QChar separator) {
    const QStringList groups = stored.split(separator);
    const qsizetype n = groups.size();
    const auto group = [&](qsizetype fromRight) {
        return n > fromRight ? groups.at(n - 1 - fromRight) : QString();
    };
    return fitGroup(group(2), 2) + separator + fitGroup(group(1), 2) + separator +
           fitGroup(group(0), 4);
}

QString fillBirthdayTemplate(const QString& text, QChar separator, QChar blank) {
    QString filled(kBirthdayLength, blank);
    for (int i = 0; i < kBirthdayLength; ++i) {
        if (isSeparatorPosition(i))
            filled[i] = separator;
        else if (i < text.size() && isDigit(text.at(i)))
            filled[i] = text.at(i);
    }
    return filled;
}

int firstEmptyYearPosition(const QString& filled) {
    for (int i = kBirthdayYearStart; i < kBirthdayLength; ++i)
        if (i >= filled.size() || !isDigit(filled.at(i)))
            return i;
    return -1;
}

} // namespace ravik
