#pragma once

#include "FieldDataLink.h"

#include <QLineEdit>

class QFocusEvent;
class QKeyEvent;

namespace ravik {

class DataSource;
class Field;

// Whether a key press types printable text (no Ctrl chord).
bool typesText(const QKeyEvent* e);
// Whether a key press would change an editor's text: typing, deleting, cutting, pasting, undoing.
bool changesText(const QKeyEvent* e);
// Whether losing the focus means the user moved on to another control, rather than opening a
// popup or switching to another window (the pending value then stays in the control).
bool movesOn(const QFocusEvent* e);

// The binding the data-aware controls share: which data source and field they show.
class FieldControl {
public:
    void setDataSource(DataSource* source) { link_.setDataSource(source); }
    DataSource* dataSource() const { return link_.dataSource(); }
    void setDataField(const QString& name) { link_.setFieldName(name); }
    QString dataField() const { return link_.fieldName(); }
    // The bound field while the dataset is open, else null.
    Field* field() const { return link_.field(); }
    // Hands a changed value to the field now; the data source does this when the record is
    // posted. Throws when the field refuses it.
    void updateRecord() { link_.updateRecord(); }

protected:
    // Escape puts back the field's value, using the key up only when there was a change to undo;
    // otherwise the window gets it. True for an Escape key.
    bool handleEscape(QKeyEvent* e);

    FieldDataLink link_;
};

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
