#include "DBText.h"

#include "data/Field.h"

namespace ravik {

DBText::DBText(QWidget* parent) : QLabel(parent) {
    // Customer data is never markup.
    setTextFormat(Qt::PlainText);
    link_.onDataChange = [this] {
        const Field* f = field();
        setText(f ? f->displayText() : QString());
    };
}

} // namespace ravik
