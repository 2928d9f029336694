#pragma once

#include <QString>

namespace ravik {

// The text the default error display shows: a full stop is added unless the text is empty or
// ends in a character that sorts at or before '.' (so "!" and "." get none).
QString errorDisplayText(const QString& message);

} // namespace ravik
