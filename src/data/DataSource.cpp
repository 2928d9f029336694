#include "DataSource.h"

#include "Dataset.h"

namespace ravik {

DataLink::~DataLink() {
    if (source_)
        source_->removeLink(this);
}

DataSource::DataSource(QObject* parent) : QObject(parent) {}

DataSource::~DataSource() {
    setDataSet(nullptr);
    for (DataLink* link : links_)
        link->source_ = nullptr;
}

void DataSource::setDataSet(Dataset* ds) {
    if (dataSet_ == ds)
        return;
    if (dataSet_)
        dataSet_->sources_.removeAll(this);
    dataSet_ = ds;
    if (ds)
        ds->sources_.append(this);
    notify(DataEvent::ActiveChanged, nullptr);
}

void DataSource::addLink(DataLink* link) {
    if (link->source_)
        link->source_->removeLink(link);
    link->source_ = this;
    links_.append(link);
}

void DataSource::removeLink(DataLink* link) {
    links_.removeAll(link);
    link->source_ = nullptr;
}

bool DataSource::edit() {
    if (!dataSet_ || !dataSet_->isActive())
        return false;
    if (dataSet_->state() == Dataset::State::Browse && autoEdit_)
        dataSet_->edit();
    return dataSet_->isEditing();
}

void DataSource::notify(DataEvent event, Field* field) {
    // A link may go away while others are told (a control closing its window).
    const QList<DataLink*> links = links_;
    for (DataLink* link : links)
        if (links_.contains(link))
            link->dataEvent(event, field);
}

} // namespace ravik
