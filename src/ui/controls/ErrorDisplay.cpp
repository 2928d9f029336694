#include "ErrorDisplay.h"

#include <QMessageBox>

namespace ravik {

QString errorDisplayText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void showError(const QString& message, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("RavikPro"), errorDisplayText(message),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace ravik
