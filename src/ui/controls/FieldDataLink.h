#pragma once

#include "data/DataLink.h"

#include <QString>

#include <functional>

namespace ravik {

class Dataset;
class Field;

// A control's binding to one field of a data source's dataset. The control supplies what to do
// when the field shows a new value and when its pending value must be handed over.
class FieldDataLink : public DataLink {
public:
    void setDataSource(DataSource* source);
    void setFieldName(const QString& name);
    QString fieldName() const { return fieldName_; }

    // The bound field while the dataset is open, else null.
    Field* field() const { return field_; }
    Dataset* dataSet() const;
    bool isEditing() const;
    // Whether the user may change the field at all (open, writable, not calculated).
    bool canModify() const;
    // Called at the first change a user makes: starts an edit through the data source.
    // False when the change must be refused.
    bool edit();

    // The control holds a value not yet handed to the field.
    bool isModified() const { return modified_; }
    void setModified() { modified_ = true; }
    // Hands the pending value over now (the control's onUpdateData; may throw).
    void updateRecord();
    // Shows the field's value again and forgets any pending value.
    void reset();

    std::function<void()> onDataChange;    // show the field's value
    std::function<void()> onUpdateData;    // hand the control's value to the field
    std::function<void()> onEditingChange; // the dataset entered or left edit/insert

    void dataEvent(DataEvent event, Field* field) override;

private:
    void resolve();

    QString fieldName_;
    Field* field_ = nullptr;
    bool modified_ = false;
};

} // namespace ravik
