#include "ErrorDisplay.h"

namespace ravik {

QString errorDisplayText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

} // namespace ravik
