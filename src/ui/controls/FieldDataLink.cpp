#include "FieldDataLink.h"

#include "data/DataSource.h"
#include "data/Dataset.h"
#include "data/Field.h"

namespace ravik {

void FieldDataLink::setDataSource(DataSource* source) {
    if (source)
        source->addLink(this);
    else if (dataSource())
        dataSource()->removeLink(this);
    resolve();
}

void FieldDataLink::setFieldName(const QString& name) {
    fieldName_ = name;
    resolve();
}

Dataset* FieldDataLink::dataSet() const {
    return dataSource() ? dataSource()->dataSet() : nullptr;
}

bool FieldDataLink::isEditing() const {
    const Dataset* ds = dataSet();
    return ds && ds->isEditing();
}

bool FieldDataLink::canModify() const {
    return field_ && field_->canModify();
}

bool FieldDataLink::edit() {
    if (!canModify())
        return false;
    return dataSource()->edit();
}

void FieldDataLink::updateRecord() {
    if (!modified_ || !field_)
        return;
    if (onUpdateData)
        onUpdateData();
    modified_ = false;
}

void FieldDataLink::reset() {
    modified_ = false;
    if (onDataChange)
        onDataChange();
}

void FieldDataLink::resolve() {
    Dataset* ds = dataSet();
    const int i = ds && ds->isActive() ? ds->def().indexOf(fieldName_) : -1;
    field_ = i >= 0 ? ds->field(i) : nullptr;
    reset();
    if (onEditingChange)
        onEditingChange();
}

void FieldDataLink::dataEvent(DataEvent event, Field* field) {
    switch (event) {
    case DataEvent::ActiveChanged:
        resolve();
        break;
    case DataEvent::StateChanged:
        if (onEditingChange)
            onEditingChange();
        break;
    case DataEvent::DataSetChanged:
    case DataEvent::Scrolled:
        reset();
        break;
    case DataEvent::FieldChanged:
        if (field == field_)
            reset();
        break;
    case DataEvent::UpdateRecord:
        updateRecord();
        break;
    }
}

} // namespace ravik
