#pragma once

#include "DBEdit.h"

#include <QPlainTextEdit>

namespace ravik {

// A multi-line box bound to a memo field. Tab moves on to the next control.
class DBMemo : public QPlainTextEdit, public FieldControl {
    Q_OBJECT
public:
    explicit DBMemo(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void showValue();
    bool beginChange();
    void userEdited();

    bool showing_ = false; // the text is being set from the field, not by the user
};

} // namespace ravik
