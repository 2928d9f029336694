#pragma once

#include <QString>

class QWidget;

namespace ravik {

// The text the default error display shows: a full stop is added unless the text is empty or
// ends in a character that sorts at or before '.' (so "!" and "." get none).
QString errorDisplayText(const QString& message);

// The one error box: caption "RavikPro", stop icon, OK.
void showError(const QString& message, QWidget* parent = nullptr);

} // namespace ravik
