#include "Conversions.h"

namespace ravik {

QString quotedStr(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QChar foldTurkish(QChar c) {
    if (c == QChar(0x0049))
        return QChar(0x0131);
    if (c == QChar(0x0130))
        return QLatin1Char('i');
    return c.toLower();
}

QString foldTurkish(const QString& text) {
    QString folded = text;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const QChar c = folded.at(i);
        if (c.isHighSurrogate() && i + 1 < folded.size() && folded.at(i + 1).isLowSurrogate()) {
            // A letter beyond the BMP folds as one code point; keep the text's length.
            const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(c, folded.at(i + 1)));
            if (QChar::requiresSurrogates(lower)) {
                folded[i] = QChar(QChar::highSurrogate(lower));
                folded[i + 1] = QChar(QChar::lowSurrogate(lower));
            }
            ++i;
            continue;
        }
        folded[i] = foldTurkish(c);
    }
    return folded;
}

} // namespace ravik
