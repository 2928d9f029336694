#pragma once

#include "DataLink.h"

#include <QList>
#include <QObject>
#include <QPointer>

namespace ravik {

class Dataset;

// Links one dataset to the controls bound to it: every change reaches every link at once, and
// the first change a user starts in a control puts the dataset into edit.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);
    ~DataSource() override;

    Dataset* dataSet() const { return dataSet_; }
    void setDataSet(Dataset* ds);
    bool autoEdit() const { return autoEdit_; }
    void setAutoEdit(bool on) { autoEdit_ = on; }

    void addLink(DataLink* link);
    void removeLink(DataLink* link);

    // A control is about to change its field: edit when in browse (and allowed).
    // Returns whether the dataset can now take the change.
    bool edit();

private:
    friend class Dataset;
    void notify(DataEvent event, Field* field);

    QPointer<Dataset> dataSet_;
    QList<DataLink*> links_;
    bool autoEdit_ = true;
};

} // namespace ravik
