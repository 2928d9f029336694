#include "DBEdit.h"

#include "data/Field.h"
#include "text/ActiveSettings.h"
#include "text/BirthdayText.h"
#include "text/Errors.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>
#include <utility>

namespace ravik {

namespace {

// Empty template positions while the birthday box is focused.
constexpr QChar kBlank = u'_';

QString birthdayInputMask(QChar separator) {
    // Qt's '0' is an optional digit; the complete year is checked on hand-over so that the
    // refusal can say how to get out of it.
    const QString sep = QLatin1Char('\\') + separator;
    return QStringLiteral("00") + sep + QStringLiteral("00") + sep + QStringLiteral("0000;") +
           kBlank;
}

// The day or month group starting at `start` moved to the right end of its two places.
QString alignGroupRight(QString filled, int start) {
    QString digits = filled.mid(start, 2);
    digits.remove(kBlank);
    filled.replace(start, 2, QString(2 - digits.size(), kBlank) + digits);
    return filled;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent) {
    link_.onDataChange = [this] { showValue(); };
    link_.onUpdateData = [this] { handOver(); };
    link_.onEditingChange = [this] { fitToField(); };
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { skipped_ = false; });
    fitToField();
}

void DBEdit::setBirthdayMask(bool on) {
    birthday_ = on;
    fitToField();
    showValue();
}

bool DBEdit::isNumeric() const {
    const Field* f = field();
    return f && (f->kind() == FieldKind::Currency || f->kind() == FieldKind::Float);
}

bool DBEdit::accepts(const QString& typed) const {
    if (birthday_)
        return std::all_of(typed.begin(), typed.end(), isAsciiDigit);
    if (!isNumeric())
        return true;
    const QChar decimal = activeFormat().decimalSeparator;
    return std::all_of(typed.begin(), typed.end(), [decimal](QChar c) {
        return isAsciiDigit(c) || c == u'+' || c == u'-' || c == u'E' || c == u'e' || c == decimal;
    });
}

void DBEdit::fitToField() {
    const Field* f = field();
    // Read-only keeps the text black, unlike a disabled box.
    setReadOnly(!link_.canModify());
    setAlignment((isNumeric() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (!masked_)
        setMaxLength(f && f->kind() == FieldKind::String ? f->size() : 32767);
}

QString DBEdit::birthdayText() const {
    return masked_ ? fillBirthdayTemplate(content(), activeFormat().dateSeparator) : text();
}

QString DBEdit::content() const {
    // A masked box's text() drops the blanks; the positions matter here.
    return masked_ ? displayText() : text();
}

void DBEdit::showValue() {
    const Field* f = field();
    const QChar sep = activeFormat().dateSeparator;
    if (birthday_ && editView_) {
        const QString mask = birthdayInputMask(sep);
        if (!masked_ || inputMask() != mask)
            setInputMask(mask);
        masked_ = true;
        setText(fillBirthdayTemplate(fitBirthday(f ? f->asString() : QString(), sep), sep, kBlank));
        setCursorPosition(0);
        return;
    }
    if (masked_) {
        setInputMask(QString());
        masked_ = false;
        fitToField();
    }
    if (birthday_)
        setText(fitBirthday(f ? f->asString() : QString(), sep));
    else
        setText(!f ? QString() : editView_ ? f->editText() : f->displayText());
}

// Starts the edit before the user's change is applied. Entering insert on an empty table shows
// the (equally empty) new record again, which would lose the caret.
bool DBEdit::beginChange() {
    const QString before = content();
    const int cursor = cursorPosition();
    const int start = selectionStart();
    const int length = selectionLength();
    if (!link_.edit())
        return false;
    if (content() == before) {
        if (length > 0 && cursor == start)
            setSelection(start + length, -length);
        else if (length > 0)
            setSelection(start, length);
        else
            setCursorPosition(cursor);
    }
    return true;
}

void DBEdit::userEdited() {
    if (!link_.isEditing()) {
        // A change that came past the keyboard (context menu, drop, input method): start the
        // edit now, or drop the change.
        const QString changed = content();
        const int cursor = cursorPosition();
        if (!link_.edit()) {
            link_.reset();
            return;
        }
        if (content() != changed) {
            setText(changed);
            setCursorPosition(cursor);
        }
    }
    link_.setModified();
}

void DBEdit::handOver() {
    Field* f = field();
    try {
        if (birthday_) {
            const QString filled = fillBirthdayTemplate(content(), activeFormat().dateSeparator);
            if (firstEmptyYearPosition(filled) >= 0)
                throw ConvertError(
                    QStringLiteral("Invalid input value.  Use escape key to abandon changes"));
            f->setAsString(filled);
        } else {
            f->setAsString(text());
        }
    } catch (...) {
        takeFocusBack();
        throw;
    }
}

void DBEdit::takeFocusBack() {
    setFocus();
    const int gap = birthday_ ? firstEmptyYearPosition(content()) : -1;
    if (gap >= 0)
        setCursorPosition(gap);
    else
        selectAll();
}

void DBEdit::typeSeparator() {
    const int pos = hasSelectedText() ? selectionStart() : cursorPosition();
    if (std::exchange(skipped_, false))
        return; // the last digit already moved past this separator
    if (pos >= kBirthdayYearStart) {
        QApplication::beep();
        return;
    }
    const int group = pos < 3 ? 0 : 3;
    if (alignGroupRight(content(), group) != content()) {
        if (!beginChange())
            return;
        setText(alignGroupRight(content(), group));
        link_.setModified();
    }
    setCursorPosition(group + 3);
}

void DBEdit::keyPressEvent(QKeyEvent* e) {
    if (handleEscape(e)) {
        if (e->isAccepted())
            selectAll();
        return;
    }
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const bool typing = typesText(e);
    if (typing && masked_ && e->text() == QString(activeFormat().dateSeparator)) {
        typeSeparator();
        return;
    }
    if (typing && !accepts(e->text())) {
        QApplication::beep();
        return;
    }
    if (changesText(e) && !beginChange())
        return;
    const int before = cursorPosition();
    QLineEdit::keyPressEvent(e);
    skipped_ = masked_ && typing && (before == 1 || before == 4) && cursorPosition() == before + 2;
}

void DBEdit::focusInEvent(QFocusEvent* e) {
    if (!editView_) {
        editView_ = true;
        if (!link_.isModified())
            showValue();
    }
    QLineEdit::focusInEvent(e);
}

void DBEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (!movesOn(e))
        return;
    link_.updateRecord();
    editView_ = false;
    showValue();
}

} // namespace ravik
