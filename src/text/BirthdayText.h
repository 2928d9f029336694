#pragma once

#include <QChar>
#include <QString>

namespace ravik {

// The birthday template dd?MM?yyyy, '?' standing for the date separator: day at 0-1, month at
// 3-4, year at 6-9.
inline constexpr int kBirthdayLength = 10;
inline constexpr int kBirthdayYearStart = 6;

// The stored text fitted into the template for display. The text is split at the separator; the
// last group is the year, the one before it the month, the one before that the day (so "2005"
// alone is a year and groups further left are not shown). A short group is padded with blanks on
// the left, a long one shows its rightmost characters.
QString fitBirthday(const QString& stored, QChar separator);

// The ten template positions of a filled-in text: the separators in place, digits kept and every
// other position (empty or not a digit) as `blank`.
QString fillBirthdayTemplate(const QString& text, QChar separator, QChar blank = QLatin1Char(' '));

// The first year position that holds no digit, or -1 when the year is complete.
int firstEmptyYearPosition(const QString& filled);

} // namespace ravik
