#include "DBMemo.h"

#include "data/Field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTextCursor>

namespace ravik {

DBMemo::DBMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    link_.onDataChange = [this] { showValue(); };
    link_.onUpdateData = [this] { field()->setAsString(toPlainText()); };
    link_.onEditingChange = [this] { setReadOnly(!link_.canModify()); };
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::userEdited);
    setReadOnly(true);
}

void DBMemo::showValue() {
    const Field* f = field();
    showing_ = true;
    setPlainText(f ? f->asString() : QString());
    showing_ = false;
}

// Starts the edit before the user's change is applied, keeping the caret when starting it shows
// the same text again (insert on an empty table).
bool DBMemo::beginChange() {
    const QString before = toPlainText();
    const QTextCursor caret = textCursor();
    const int anchor = caret.anchor();
    const int position = caret.position();
    if (!link_.edit())
        return false;
    if (toPlainText() == before) {
        QTextCursor restored(document());
        restored.setPosition(anchor);
        restored.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(restored);
    }
    return true;
}

void DBMemo::userEdited() {
    if (showing_)
        return;
    if (!link_.isEditing()) {
        // A change that came past the keyboard (context menu, drop): start the edit now, or
        // drop the change.
        const QString changed = toPlainText();
        if (!link_.edit()) {
            link_.reset();
            return;
        }
        if (toPlainText() != changed) {
            showing_ = true;
            setPlainText(changed);
            showing_ = false;
        }
    }
    link_.setModified();
}

void DBMemo::keyPressEvent(QKeyEvent* e) {
    if (handleEscape(e))
        return;
    const bool newLine = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!isReadOnly() && (changesText(e) || newLine) && !beginChange())
        return;
    QPlainTextEdit::keyPressEvent(e);
}

void DBMemo::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    if (movesOn(e))
        link_.updateRecord();
}

} // namespace ravik
