#pragma once

#include "DBEdit.h"

#include <QCheckBox>

namespace ravik {

// A check box bound to a truth field: checked for true, unchecked for false, the grey
// indeterminate state for an empty field. Clicking never produces the indeterminate state.
class DBCheckBox : public QCheckBox, public FieldControl {
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget* parent = nullptr);
    explicit DBCheckBox(const QString& caption, QWidget* parent = nullptr);

    // Puts the caption on the left of the box.
    void setCaptionLeft(bool on);
    bool captionLeft() const { return captionLeft_; }

protected:
    // The first click (or Space) starts the edit; the new state reaches the field when the focus
    // leaves the box or the record is posted.
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void showValue();

    bool captionLeft_ = false;
};

} // namespace ravik
