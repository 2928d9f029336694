#include "text/Clock.h"
#include "text/Conversions.h"
#include "text/Errors.h"

#include <QTest>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

using namespace ravik;

namespace {

FormatSettings dateSettings(const QString& format, QChar separator) {
    FormatSettings fs;
    fs.shortDateFormat = format;
    fs.dateSeparator = separator;
    return fs;
}

// The message of the ConvertError `call` throws; empty when it throws none.
template <typename Call> QString convertErrorOf(Call call) {
    try {
        call();
    } catch (const ConvertError& e) {
        return e.message();
    }
    return {};
}

constexpr double inf = std::numeric_limits<double>::infinity();

// Rows of a text and what it turns into, each named by its text.
void addTextRows(std::initializer_list<std::pair<const char*, const char*>> rows) {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const auto& [text, expected] : rows)
        QTest::newRow(*text ? text : "(empty)")
            << QString::fromUtf8(text) << QString::fromUtf8(expected);
}

} // namespace

class TextTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Clock::setToday(QDate(2026, 6, 15)); }
    void cleanup() { Clock::setToday(QDate()); }

    void clockFollowsSystemUnlessSet();

    void strToDate_data();
    void strToDate();
    void twoDigitYearWindow_data();
    void twoDigitYearWindow();
    void dateToStr_data();
    void dateToStr();
    void dateValue_data();
    void dateValue();
    void valueToDate_data();
    void valueToDate();

    void strToInt_data();
    void strToInt();
    void floatToStr_data();
    void floatToStr();
    void textToFloat_data();
    void textToFloat();
    void formatCurrency_data();
    void formatCurrency();
    void formatMoneyEdit_data();
    void formatMoneyEdit();

    void quotedStr_data();
    void quotedStr();
    void foldTurkish_data();
    void foldTurkish();
};

void TextTest::clockFollowsSystemUnlessSet() {
    QCOMPARE(Clock::today(), QDate(2026, 6, 15));
    Clock::setToday(QDate());
    // Bracketed so a midnight between the reads cannot fail the test.
    const QDate before = QDate::currentDate();
    const QDate today = Clock::today();
    const QDate after = QDate::currentDate();
    QVERIFY(today == before || today == after);
}

void TextTest::strToDate_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid: the text is refused

    const QString tr = QStringLiteral("dd.MM.yyyy");
    const QChar dot = QLatin1Char('.');
    const auto row = [&](const char* name, const QString& format, QChar separator,
                         const QString& text, QDate expected) {
        QTest::newRow(name) << format << separator << text << expected;
    };

    row("full", tr, dot, "01.04.2005", QDate(2005, 4, 1));
    row("no leading zeros", tr, dot, "1.4.2005", QDate(2005, 4, 1));
    row("format letters alone", "d.M.yyyy", dot, "01.04.2005", QDate(2005, 4, 1));
    row("four-digit day", tr, dot, "0001.04.2005", QDate(2005, 4, 1));
    row("five-digit day", tr, dot, "00001.04.2005", QDate());
    row("blanks before numbers", tr, dot, "  1. 4.  2005", QDate(2005, 4, 1));
    row("blank before separator", tr, dot, "1 .4.2005", QDate());
    row("trailing blanks", tr, dot, "1.4.2005  ", QDate(2005, 4, 1));
    row("trailing separator", tr, dot, "1.4.2005.", QDate(2005, 4, 1));
    row("trailing separator and blanks", tr, dot, "1.4.2005. ", QDate(2005, 4, 1));
    row("blank then separator at end", tr, dot, "1.4.2005 .", QDate());
    row("two separators at end", tr, dot, "1.4.2005..", QDate());
    row("fourth number", tr, dot, "1.4.2005.7", QDate());
    row("trailing junk", tr, dot, "1.4.2005x", QDate());
    row("day and month", tr, dot, "1.4", QDate(2026, 4, 1));
    row("day and month, separator", tr, dot, "1.4. ", QDate(2026, 4, 1));
    row("one number", tr, dot, "14", QDate());
    row("one number, separator", tr, dot, "14.", QDate());
    row("empty", tr, dot, "", QDate());
    row("blanks", tr, dot, "   ", QDate());
    row("separators only", tr, dot, "..", QDate());
    row("missing day", tr, dot, ".4.2005", QDate());
    row("plus sign", tr, dot, "+1.4.2005", QDate());
    row("minus sign", tr, dot, "1.-4.2005", QDate());
    row("other separator", tr, dot, "1/4/2005", QDate());
    row("arabic-indic digits", tr, dot, QString::fromUtf8("١.٤.٢٠٠٥"), QDate());
    row("day 0", tr, dot, "0.4.2005", QDate());
    row("day 31 in a 30-day month", tr, dot, "31.4.2005", QDate());
    row("day 31", tr, dot, "31.12.2005", QDate(2005, 12, 31));
    row("month 0", tr, dot, "1.0.2005", QDate());
    row("month 13", tr, dot, "1.13.2005", QDate());
    row("29 Feb leap year", tr, dot, "29.02.2024", QDate(2024, 2, 29));
    row("29 Feb common year", tr, dot, "29.02.2023", QDate());
    row("29 Feb 1900", tr, dot, "29.02.1900", QDate());
    row("29 Feb 2000", tr, dot, "29.02.2000", QDate(2000, 2, 29));
    row("29 Feb, this year common", tr, dot, "29.2", QDate());
    row("year 1", tr, dot, "01.01.0001", QDate(1, 1, 1));
    row("year 0", tr, dot, "31.12.0000", QDate());
    row("three-digit year", tr, dot, "1.1.026", QDate(26, 1, 1));
    row("year 9999", tr, dot, "31.12.9999", QDate(9999, 12, 31));
    row("year 10000", tr, dot, "01.01.10000", QDate());
    row("month first", "MM/dd/yyyy", QLatin1Char('/'), "4/1/2005", QDate(2005, 4, 1));
    row("month first, no year", "MM/dd/yyyy", QLatin1Char('/'), "4/1", QDate(2026, 4, 1));
    row("year first", "yyyy-MM-dd", QLatin1Char('-'), "2005-04-01", QDate(2005, 4, 1));
    row("year first, no year", "yyyy-MM-dd", QLatin1Char('-'), "04-01", QDate(2026, 4, 1));
    row("year first, short year", "yy.MM.dd", dot, "05.04.01", QDate(2005, 4, 1));
    row("lower-case month letter", "yyyy/mm/dd", QLatin1Char('/'), "2005/4/1", QDate(2005, 4, 1));
}

void TextTest::strToDate() {
    QFETCH(QString, format);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const FormatSettings fs = dateSettings(format, separator);
    if (expected.isValid()) {
        QCOMPARE(ravik::strToDate(text, fs), expected);
    } else {
        QCOMPARE(convertErrorOf([&] { ravik::strToDate(text, fs); }),
                 QStringLiteral("'%1' is not a valid date").arg(text));
    }
}

void TextTest::twoDigitYearWindow_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    const QDate y2026(2026, 6, 15);
    QTest::newRow("2026: 26") << y2026 << "1.2.26" << QDate(2026, 2, 1);
    QTest::newRow("2026: last of window") << y2026 << "1.2.75" << QDate(2075, 2, 1);
    QTest::newRow("2026: first of window") << y2026 << "1.2.76" << QDate(1976, 2, 1);
    QTest::newRow("2026: 0") << y2026 << "1.2.0" << QDate(2000, 2, 1);
    QTest::newRow("2026: 00") << y2026 << "1.2.00" << QDate(2000, 2, 1);
    QTest::newRow("2026: 5") << y2026 << "1.2.5" << QDate(2005, 2, 1);
    QTest::newRow("2026: 99") << y2026 << "1.2.99" << QDate(1999, 2, 1);
    const QDate y2000(2000, 1, 1);
    QTest::newRow("2000: 49") << y2000 << "1.2.49" << QDate(2049, 2, 1);
    QTest::newRow("2000: 50") << y2000 << "1.2.50" << QDate(1950, 2, 1);
    const QDate y1999(1999, 12, 31);
    QTest::newRow("1999: 48") << y1999 << "1.2.48" << QDate(2048, 2, 1);
    QTest::newRow("1999: 49") << y1999 << "1.2.49" << QDate(1949, 2, 1);
    // Past 9999 the window's later years are no dates.
    const QDate y9990(9990, 1, 1);
    QTest::newRow("9990: 40") << y9990 << "1.2.40" << QDate(9940, 2, 1);
    QTest::newRow("9990: 39") << y9990 << "1.2.39" << QDate();
    QTest::newRow("leap year by window") << y2026 << "29.2.76" << QDate(1976, 2, 29);
    QTest::newRow("common year by window") << y2026 << "29.2.75" << QDate();
}

void TextTest::twoDigitYearWindow() {
    QFETCH(QDate, today);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    Clock::setToday(today);
    const FormatSettings fs;
    if (expected.isValid())
        QCOMPARE(ravik::strToDate(text, fs), expected);
    else
        QVERIFY_THROWS_EXCEPTION(ConvertError, ravik::strToDate(text, fs));
}

void TextTest::dateToStr_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    const QDate april(2005, 4, 1);
    const QChar dot = QLatin1Char('.');
    QTest::newRow("dd.MM.yyyy") << "dd.MM.yyyy" << dot << april << "01.04.2005";
    QTest::newRow("d.M.yyyy") << "d.M.yyyy" << dot << april << "1.4.2005";
    QTest::newRow("two digits stay") << "d.M.yyyy" << dot << QDate(2005, 12, 31) << "31.12.2005";
    QTest::newRow("yy") << "dd.MM.yy" << dot << april << "01.04.05";
    QTest::newRow("yy in 2000") << "dd.MM.yy" << dot << QDate(2000, 4, 1) << "01.04.00";
    QTest::newRow("yyyy-MM-dd literal dash") << "yyyy-MM-dd" << dot << april << "2005-04-01";
    QTest::newRow("slash prints separator") << "yyyy/MM/dd" << QChar(u'-') << april << "2005-04-01";
    QTest::newRow("month first") << "M/d/yyyy" << QChar(u'/') << QDate(2005, 12, 31)
                                 << "12/31/2005";
    QTest::newRow("year 1 padded") << "dd.MM.yyyy" << dot << QDate(1, 1, 1) << "01.01.0001";
    QTest::newRow("year 9999") << "dd.MM.yyyy" << dot << QDate(9999, 12, 31) << "31.12.9999";
    QTest::newRow("no date") << "dd.MM.yyyy" << dot << QDate() << "";
}

void TextTest::dateToStr() {
    QFETCH(QString, format);
    QFETCH(QChar, separator);
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(ravik::dateToStr(date, dateSettings(format, separator)), expected);
}

void TextTest::dateValue_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<double>("value");

    QTest::newRow("day zero") << QDate(1899, 12, 30) << 0.0;
    QTest::newRow("1 Jan 1900") << QDate(1900, 1, 1) << 2.0;
    QTest::newRow("1 Mar 1900") << QDate(1900, 3, 1) << 61.0;
    QTest::newRow("29 Dec 1899") << QDate(1899, 12, 29) << -1.0;
    QTest::newRow("1 Jan 2000") << QDate(2000, 1, 1) << 36526.0;
    QTest::newRow("29 Feb 2024") << QDate(2024, 2, 29) << 45351.0;
    QTest::newRow("1 Jan 0001") << QDate(1, 1, 1) << -693593.0;
    QTest::newRow("31 Dec 9999") << QDate(9999, 12, 31) << 2958465.0;
}

void TextTest::dateValue() {
    QFETCH(QDate, date);
    QFETCH(double, value);
    QCOMPARE(dateToValue(date), value);
    QCOMPARE(ravik::valueToDate(value), date);
}

void TextTest::valueToDate_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QDate>("expected"); // invalid: the value is refused

    QTest::newRow("evening") << 2.75 << QDate(1900, 1, 1);
    QTest::newRow("just before midnight") << 2.999999 << QDate(1900, 1, 1);
    QTest::newRow("negative fraction") << -1.25 << QDate(1899, 12, 29);
    QTest::newRow("small negative") << -0.5 << QDate(1899, 12, 30);
    QTest::newRow("before year 1") << -693594.0 << QDate();
    QTest::newRow("after year 9999") << 2958466.0 << QDate();
    QTest::newRow("huge") << 1e300 << QDate();
    QTest::newRow("infinity") << inf << QDate();
    QTest::newRow("NaN") << std::nan("") << QDate();
}

void TextTest::valueToDate() {
    QFETCH(double, value);
    QFETCH(QDate, expected);
    if (expected.isValid())
        QCOMPARE(ravik::valueToDate(value), expected);
    else
        QVERIFY_THROWS_EXCEPTION(ConvertError, ravik::valueToDate(value));
}

void TextTest::strToInt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("expected");

    const auto good = [](const char* text, int expected) {
        QTest::newRow(text) << QString::fromUtf8(text) << true << expected;
    };
    const auto bad = [](const char* text) {
        QTest::newRow(text) << QString::fromUtf8(text) << false << 0;
    };
    good("0", 0);
    good("42", 42);
    good("007", 7);
    good("+42", 42);
    good("-42", -42);
    good("   42", 42);
    good("$ff", 255);
    good("$FF", 255);
    good("0x1A", 26);
    good("0X1a", 26);
    good("-$10", -16);
    good("2147483647", 2147483647);
    good("-2147483648", -2147483647 - 1);
    good("$7FFFFFFF", 2147483647);
    good("-0x80000000", -2147483647 - 1);
    good("00000000000000000001", 1);
    bad("");
    bad("   ");
    bad("42 ");
    bad("4 2");
    bad("42x");
    bad("- 42");
    bad("+-42");
    bad("+");
    bad("$");
    bad("0x");
    bad("ff");
    bad("$fg");
    bad("1.5");
    bad("1e3");
    bad("2147483648");
    bad("-2147483649");
    bad("99999999999999999999");
    bad("$80000000");
    bad("$FFFFFFFF");
    bad("٤٢");
}

void TextTest::strToInt() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, expected);
    if (valid) {
        QCOMPARE(ravik::strToInt(text), expected);
    } else {
        QCOMPARE(convertErrorOf([&] { ravik::strToInt(text); }),
                 QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TextTest::floatToStr_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("readsBack"); // textToFloat gives the value again

    QTest::newRow("2.5") << 2.5 << "2,5" << true;
    QTest::newRow("-1") << -1.0 << "-1" << true;
    QTest::newRow("0") << 0.0 << "0" << true;
    QTest::newRow("-0") << -0.0 << "0" << true;
    QTest::newRow("1e15") << 1e15 << "1E15" << true;
    QTest::newRow("5e-5") << 5e-5 << "5E-5" << true;
    QTest::newRow("0.0001") << 0.0001 << "0,0001" << true;
    QTest::newRow("-0.00012345") << -0.00012345 << "-0,00012345" << true;
    QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345" << true;
    QTest::newRow("16 digits") << 1234567890123456.0 << "1,23456789012346E15" << false;
    QTest::newRow("rounds up to 1E15") << 999999999999999.9 << "1E15" << false;
    QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0,3" << false;
    QTest::newRow("1.5e-7") << 1.5e-7 << "1,5E-7" << true;
    QTest::newRow("-2.5e20") << -2.5e20 << "-2,5E20" << true;
    QTest::newRow("1e100") << 1e100 << "1E100" << true;
    QTest::newRow("1/3") << 1.0 / 3 << "0,333333333333333" << false;
    QTest::newRow("2/3") << 2.0 / 3 << "0,666666666666667" << false;
    QTest::newRow("100") << 100.0 << "100" << true;
    QTest::newRow("1234.5678") << 1234.5678 << "1234,5678" << true;
    QTest::newRow("smallest double") << 5e-324 << "4,94065645841247E-324" << false;
    QTest::newRow("NaN") << std::nan("") << "NAN" << false;
    QTest::newRow("+inf") << inf << "INF" << false;
    QTest::newRow("-inf") << -inf << "-INF" << false;
}

void TextTest::floatToStr() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QFETCH(bool, readsBack);
    const FormatSettings fs;
    const QString text = ravik::floatToStr(value, fs);
    QCOMPARE(text, expected);
    if (readsBack)
        QCOMPARE(ravik::textToFloat(text, fs), std::optional<double>(value));

    FormatSettings dotted;
    dotted.decimalSeparator = QLatin1Char('.');
    QCOMPARE(ravik::floatToStr(value, dotted), QString(expected).replace(',', '.'));
}

void TextTest::textToFloat_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    const QChar comma = QLatin1Char(',');
    const QChar dot = QLatin1Char('.');
    const auto good = [](const char* name, const char* text, QChar decimal, double expected) {
        QTest::newRow(name) << QString::fromUtf8(text) << decimal << true << expected;
    };
    const auto bad = [](const char* name, const char* text, QChar decimal) {
        QTest::newRow(name) << QString::fromUtf8(text) << decimal << false << 0.0;
    };
    good("integer", "42", comma, 42);
    good("decimal comma", "1,5", comma, 1.5);
    good("decimal dot", "1.5", dot, 1.5);
    good("blanks around", "  -2,5  ", comma, -2.5);
    good("plus", "+2,5", comma, 2.5);
    good("no whole digits", ",5", comma, 0.5);
    good("no fraction digits", "5,", comma, 5);
    good("exponent", "2,5E3", comma, 2500);
    good("lower-case exponent", "2,5e3", comma, 2500);
    good("signed exponent", "25e-1", comma, 2.5);
    good("plus exponent", "25e+1", comma, 250);
    good("leading zeros", "0007", comma, 7);
    good("15 digits", "123456789012345", comma, 123456789012345.0);
    good("underflow is zero", "1e-400", comma, 0);
    good("zero with huge exponent", "0e99999999999999999999", comma, 0);
    good("largest double", "1,7976931348623157e308", comma, 1.7976931348623157e308);
    bad("empty", "", comma);
    bad("blanks", "   ", comma);
    bad("sign only", "-", comma);
    bad("separator only", ",", comma);
    bad("dot with comma settings", "1.5", comma);
    bad("comma with dot settings", "1,5", dot);
    bad("thousands separator", "1.000,5", comma);
    bad("two separators", "1,5,2", comma);
    bad("blank inside", "1 5", comma);
    bad("blank after sign", "- 5", comma);
    bad("two signs", "--5", comma);
    bad("exponent without digits", "1e", comma);
    bad("exponent sign only", "1e+", comma);
    bad("exponent without mantissa", "e5", comma);
    bad("fractional exponent", "1e2,5", comma);
    bad("trailing junk", "5x", comma);
    bad("hex", "0x10", comma);
    bad("inf", "inf", comma);
    bad("nan", "nan", comma);
    bad("overflow", "1e400", comma);
    bad("overflow by digits", "1000e306", comma);
    bad("arabic-indic digits", "٤٢", comma);
}

void TextTest::textToFloat() {
    QFETCH(QString, text);
    QFETCH(QChar, decimal);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    FormatSettings fs;
    fs.decimalSeparator = decimal;
    const std::optional<double> value = ravik::textToFloat(text, fs);
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(*value, expected);
}

void TextTest::formatCurrency_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("currencyFormat");
    QTest::addColumn<int>("negCurrFormat");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, double value, int currencyFormat, int negCurrFormat,
                        int decimals, const char* expected) {
        QTest::newRow(name) << value << currencyFormat << negCurrFormat << decimals
                            << QString::fromUtf8(expected);
    };
    row("turkish", 1234.5, 0, 1, 2, "₺1.234,50");
    row("turkish negative", -1234.5, 0, 1, 2, "-₺1.234,50");
    row("zero", 0, 0, 1, 2, "₺0,00");
    row("rounds to zero", -0.001, 0, 0, 2, "₺0,00");
    row("three digits ungrouped", 100, 0, 1, 2, "₺100,00");
    row("millions", 1234567.891, 0, 1, 2, "₺1.234.567,89");
    row("15 digits", 123456789012345.0, 0, 1, 2, "₺123.456.789.012.345,00");
    row("half up from printed digits", 1.005, 0, 1, 2, "₺1,01");
    row("half up 2.675", 2.675, 0, 1, 2, "₺2,68");
    row("half away from zero", -0.125, 0, 1, 2, "-₺0,13");
    row("carry into thousands", 999.995, 0, 1, 2, "₺1.000,00");
    row("below half", 0.004, 0, 1, 2, "₺0,00");
    row("far below the last place", 0.0006, 0, 1, 2, "₺0,00");
    row("no decimals", 1234.5, 0, 1, 0, "₺1.235");
    row("three decimals", 1.5, 0, 1, 3, "₺1,500");
    row("1e15 general", 1e15, 0, 1, 2, "₺1E15");
    row("-1e15 general", -1e15, 0, 1, 2, "-₺1E15");
    row("general after", 2.5e20, 3, 8, 2, "2,5E20 ₺");
    row("NaN", std::nan(""), 0, 1, 2, "₺NAN");
    row("-inf", -inf, 0, 1, 2, "-₺INF");
    row("positive 0", 1, 0, 1, 2, "₺1,00");
    row("positive 1", 1, 1, 1, 2, "1,00₺");
    row("positive 2", 1, 2, 1, 2, "₺ 1,00");
    row("positive 3", 1, 3, 1, 2, "1,00 ₺");
    const char* negatives[] = {"(₺1,00)", "-₺1,00",  "₺-1,00",   "₺1,00-",  "(1,00₺)", "-1,00₺",
                               "1,00-₺",  "1,00₺-",  "-1,00 ₺",  "-₺ 1,00", "1,00 ₺-", "₺ 1,00-",
                               "₺ -1,00", "1,00- ₺", "(₺ 1,00)", "(1,00 ₺)"};
    for (int format = 0; format < 16; ++format) {
        const QByteArray name = "negative " + QByteArray::number(format);
        row(name.constData(), -1, 0, format, 2, negatives[format]);
    }
    row("unknown positive format", 1, 9, 1, 2, "₺1,00");
    row("unknown negative format", -1, 0, 99, 2, "-₺1,00");
    row("negative decimals", 1.5, 0, 1, -1, "₺2");
}

void TextTest::formatCurrency() {
    QFETCH(double, value);
    QFETCH(int, currencyFormat);
    QFETCH(int, negCurrFormat);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    FormatSettings fs;
    fs.currencyFormat = currencyFormat;
    fs.negCurrFormat = negCurrFormat;
    fs.currencyDecimals = decimals;
    QCOMPARE(ravik::formatCurrency(value, fs), expected);
}

void TextTest::formatMoneyEdit_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1234.5") << 1234.5 << 2 << "1234,50";
    QTest::newRow("-3") << -3.0 << 2 << "-3,00";
    QTest::newRow("zero") << 0.0 << 2 << "0,00";
    QTest::newRow("rounds to zero") << -0.004 << 2 << "0,00";
    QTest::newRow("half up") << 1.005 << 2 << "1,01";
    QTest::newRow("small") << 0.05 << 2 << "0,05";
    QTest::newRow("no decimals") << 2.5 << 0 << "3";
    QTest::newRow("15 digits") << 123456789012345.0 << 2 << "123456789012345,00";
    QTest::newRow("1e15") << 1e15 << 2 << "1E15";
    QTest::newRow("-1e20") << -1e20 << 2 << "-1E20";
    QTest::newRow("NaN") << std::nan("") << 2 << "NAN";
}

void TextTest::formatMoneyEdit() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    FormatSettings fs;
    fs.currencyDecimals = decimals;
    const QString text = ravik::formatMoneyEdit(value, fs);
    QCOMPARE(text, expected);
    // What the editor shows must read back.
    if (std::isfinite(value))
        QVERIFY(ravik::textToFloat(text, fs).has_value());
}

void TextTest::quotedStr_data() {
    addTextRows({{"abc", "'abc'"},
                 {"", "''"},
                 {"it's", "'it''s'"},
                 {"'a'", "'''a'''"},
                 {"'", "''''"},
                 {"a\"b", "'a\"b'"}});
}

void TextTest::quotedStr() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ravik::quotedStr(text), expected);
}

void TextTest::foldTurkish_data() {
    addTextRows({{"IŞIK", "ışık"},
                 {"İSTANBUL", "istanbul"},
                 {"ÇĞÖÜŞ", "çğöüş"},
                 {"ıi", "ıi"},
                 {"Iİıi", "ıiıi"},
                 {"Ahmet Yılmaz", "ahmet yılmaz"},
                 {"ÂÎÛ", "âîû"},
                 {"123-.,", "123-.,"},
                 {"ΣΑΣ", "σασ"},
                 {"", ""}});
}

void TextTest::foldTurkish() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ravik::foldTurkish(text), expected);
    for (qsizetype i = 0; i < text.size(); ++i)
        QCOMPARE(ravik::foldTurkish(text.at(i)), expected.at(i));
}

QTEST_GUILESS_MAIN(TextTest)
#include "tst_text.moc"
