#pragma once

#include "FieldDataLink.h"

#include <QString>

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

} // namespace ravik
