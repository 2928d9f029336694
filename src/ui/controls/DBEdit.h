#pragma once

#include "FieldControl.h"

#include <QLineEdit>

class QFocusEvent;
class QKeyEvent;

namespace ravik {

// An edit box bound to one field. Not focused it shows the field's display text (money in the
// currency format); focused, its edit text. Money and float fields take only number characters.
// A calculated or read-only field is shown but cannot be changed.
class DBEdit : public QLineEdit, public FieldControl {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);

    // The ten-character birthday template for a text field: day, separator, month, separator,
    // year. The window turns it on for DogumGunu; nothing guesses it from the field's name.
    void setBirthdayMask(bool on);
    bool birthdayMask() const { return birthday_; }
    // What the box shows, a birthday as the whole template with blanks for empty positions (the
    // form a date reader accepts).
    QString birthdayText() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    // Hands a changed text over; a refused text keeps the focus here and the error goes on to
    // the application's error display.
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool isNumeric() const;
    bool accepts(const QString& typed) const;
    void fitToField();
    void showValue();
    QString content() const;
    bool beginChange();
    void userEdited();
    void handOver();
    void takeFocusBack();
    void typeSeparator();

    bool birthday_ = false;
    bool editView_ = false; // showing the edit text (focused), not the display text
    bool masked_ = false;
    bool skipped_ = false; // the last digit filled its group and moved past a separator
};

} // namespace ravik
