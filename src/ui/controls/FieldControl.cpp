#include "FieldControl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>

namespace ravik {

bool typesText(const QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers();
    if (m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    const QString text = e->text();
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

bool changesText(const QKeyEvent* e) {
    if (typesText(e) || e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete)
        return true;
    static const QKeySequence::StandardKey changing[] = {
        QKeySequence::Paste,
        QKeySequence::Cut,
        QKeySequence::Undo,
        QKeySequence::Redo,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine,
    };
    return std::any_of(std::begin(changing), std::end(changing),
                       [e](QKeySequence::StandardKey k) { return e->matches(k); });
}

bool movesOn(const QFocusEvent* e) {
    switch (e->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

bool FieldControl::handleEscape(QKeyEvent* e) {
    if (e->key() != Qt::Key_Escape)
        return false;
    if (link_.isModified()) {
        link_.reset();
        e->accept();
    } else {
        e->ignore();
    }
    return true;
}

} // namespace ravik
