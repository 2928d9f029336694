#include "DBCheckBox.h"

#include "data/Field.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace ravik {

DBCheckBox::DBCheckBox(QWidget* parent) : DBCheckBox(QString(), parent) {}

DBCheckBox::DBCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    setTristate(true);
    link_.onDataChange = [this] { showValue(); };
    link_.onUpdateData = [this] { field()->setAsBoolean(checkState() == Qt::Checked); };
    showValue();
}

void DBCheckBox::setCaptionLeft(bool on) {
    captionLeft_ = on;
    setLayoutDirection(on ? Qt::RightToLeft : Qt::LeftToRight);
}

void DBCheckBox::showValue() {
    const Field* f = field();
    if (!f || f->isNull())
        setCheckState(Qt::PartiallyChecked);
    else
        setCheckState(f->asBoolean() ? Qt::Checked : Qt::Unchecked);
}

void DBCheckBox::nextCheckState() {
    const Qt::CheckState next = checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    if (!link_.edit())
        return;
    setCheckState(next);
    link_.setModified();
}

void DBCheckBox::keyPressEvent(QKeyEvent* e) {
    if (!handleEscape(e))
        QCheckBox::keyPressEvent(e);
}

void DBCheckBox::focusOutEvent(QFocusEvent* e) {
    QCheckBox::focusOutEvent(e);
    if (movesOn(e))
        link_.updateRecord();
}

} // namespace ravik
