#pragma once

#include <QChar>
#include <QString>

namespace ravik {

// The regional settings every conversion reads. Defaults are Turkey's as Windows sets them;
// QLocale's Turkish short date (d.MM.yyyy) would not fit the ten-character birthday template.
struct FormatSettings {
    // Day/month/year pattern: d, dd, M, MM, yy, yyyy; '/' stands for dateSeparator.
    QString shortDateFormat = QStringLiteral("dd.MM.yyyy");
    QChar dateSeparator = QLatin1Char('.');
    QChar decimalSeparator = QLatin1Char(',');
    QChar thousandSeparator = QLatin1Char('.');
    QString currencyString = QStringLiteral("₺");
    // Where the currency string stands: 0 "₺1", 1 "1₺", 2 "₺ 1", 3 "1 ₺".
    int currencyFormat = 0;
    // Negative amounts: 0 "(₺1)", 1 "-₺1", 5 "-1₺", 8 "-1 ₺", 9 "-₺ 1" (the common ones).
    int negCurrFormat = 1;
    int currencyDecimals = 2;

    static FormatSettings turkish() { return {}; }
};

} // namespace ravik
