#pragma once

#include "data/DataLink.h"
#include "data/Dataset.h"

#include <QAbstractTableModel>

namespace ravik {

class DataSource;

// The customer names of a dataset's view as a one-column table, the current record marked in the
// vertical header. Rows are read from the view on demand, so a million of them cost nothing until
// they are shown. The model keeps its own idea of the layout (records shown, where a new record
// sits) and turns each change of the dataset into the matching row signals.
class NameListModel : public QAbstractTableModel, private DataLink {
    Q_OBJECT
public:
    explicit NameListModel(QObject* parent = nullptr);

    void setDataSource(DataSource* source);
    DataSource* source() const { return dataSource(); }
    Dataset* dataset() const;

    // The row marked current, -1 when none.
    int currentRow() const { return cur_; }
    // The field the rows show, while the dataset is open.
    Field* nameField() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes the name of the current record, starting an edit first.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // The same for whatever record is current; false when no edit can start.
    bool setName(const QString& name);

private:
    void dataEvent(DataEvent event, Field* field) override;
    bool isRow(const QModelIndex& index) const;
    int liveInsertRow() const;
    bool inStep() const;
    int liveRow(int row) const;
    void followState();
    void followDataSet();
    void resetAll();
    void markCurrent();
    void nameChanged(int row);

    // The layout the views were last told about.
    int records_ = 0;
    int insertRow_ = -1;
    // A record row on its way out: rows below it already come from one place higher.
    int removing_ = -1;
    int cur_ = -1;
    Dataset::State markState_ = Dataset::State::Inactive;
    // A state change that is followed by its own DataSetChanged was already turned into rows.
    bool stateHandled_ = false;
    QString filterText_;
    bool filtered_ = false;
};

} // namespace ravik
