#include "NameListModel.h"

#include "data/DataSource.h"
#include "data/Field.h"

#include <utility>

namespace ravik {

namespace {
const QString kNameField = QStringLiteral("Isim");
} // namespace

NameListModel::NameListModel(QObject* parent) : QAbstractTableModel(parent) {}

void NameListModel::setDataSource(DataSource* source) {
    if (source == dataSource())
        return;
    if (source)
        source->addLink(this);
    else
        dataSource()->removeLink(this);
    resetAll();
}

Dataset* NameListModel::dataset() const {
    Dataset* ds = dataSource() ? dataSource()->dataSet() : nullptr;
    return ds && ds->isActive() ? ds : nullptr;
}

Field* NameListModel::nameField() const {
    const Dataset* ds = dataset();
    const int i = ds ? ds->def().indexOf(kNameField) : -1;
    return i >= 0 ? ds->field(i) : nullptr;
}

int NameListModel::liveInsertRow() const {
    const Dataset* ds = dataset();
    return ds && ds->state() == Dataset::State::Insert ? ds->currentViewRow() : -1;
}

// Whether the dataset's view still has the layout the views were told about.
bool NameListModel::inStep() const {
    const Dataset* ds = dataset();
    return records_ == (ds ? ds->recordCount() : 0) && insertRow_ == liveInsertRow();
}

// Where a row as the views know it stands in the dataset's view now; -1 for a row that has no
// record there (on its way out, or the layout moved on while the dataset kept quiet).
int NameListModel::liveRow(int row) const {
    const Dataset* ds = dataset();
    if (!ds)
        return -1;
    const int insert = liveInsertRow();
    if (insertRow_ >= 0 && row == insertRow_)
        return insert;
    int rec = insertRow_ >= 0 && row > insertRow_ ? row - 1 : row;
    if (removing_ >= 0) {
        if (rec == removing_)
            return -1;
        if (rec > removing_)
            --rec;
    }
    if (rec < 0 || rec >= ds->recordCount())
        return -1;
    return insert >= 0 && rec >= insert ? rec + 1 : rec;
}

// Views ask about the root too; an index from elsewhere is no row of ours.
bool NameListModel::isRow(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.column() == 0 &&
           index.row() < rowCount();
}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : records_ + (insertRow_ >= 0 ? 1 : 0);
}

int NameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (!isRow(index))
        return {};
    const int row = liveRow(index.row());
    return row >= 0 ? dataset()->viewName(row) : QString();
}

QVariant NameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole && orientation == Qt::Vertical)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section == 0 ? QVariant(kNameField) : QVariant();
    if (section != cur_)
        return QString();
    switch (markState_) {
    case Dataset::State::Edit:
        return QStringLiteral("I");
    case Dataset::State::Insert:
        return QStringLiteral("*");
    default:
        return QStringLiteral("\u25B6");
    }
}

Qt::ItemFlags NameListModel::flags(const QModelIndex& index) const {
    if (!isRow(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    const Field* name = nameField();
    if (name && name->canModify())
        f |= Qt::ItemIsEditable;
    return f;
}

bool NameListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !isRow(index) || !inStep() || index.row() != cur_)
        return false;
    return setName(value.toString());
}

bool NameListModel::setName(const QString& name) {
    Field* field = nameField();
    if (!field || !dataSource()->edit())
        return false;
    field->setAsString(name);
    return true;
}

void NameListModel::dataEvent(DataEvent event, Field* field) {
    switch (event) {
    case DataEvent::ActiveChanged:
        stateHandled_ = false;
        resetAll();
        break;
    case DataEvent::StateChanged:
        followState();
        break;
    case DataEvent::DataSetChanged:
        followDataSet();
        break;
    case DataEvent::Scrolled:
        markCurrent();
        break;
    case DataEvent::FieldChanged:
        stateHandled_ = false;
        if (field && field == nameField())
            nameChanged(cur_);
        break;
    case DataEvent::UpdateRecord:
        stateHandled_ = false;
        break;
    }
}

// Every change of the rows but a filter comes with a change of state: a new record appears or
// goes, is stored where it stood, or a record is deleted.
void NameListModel::followState() {
    const Dataset* ds = dataset();
    if (!ds) {
        resetAll();
        return;
    }
    const int records = ds->recordCount();
    const int insert = liveInsertRow();
    if (insertRow_ < 0 && insert >= 0 && records == records_) {
        beginInsertRows({}, insert, insert);
        insertRow_ = insert;
        endInsertRows();
    } else if (insertRow_ >= 0 && insert < 0 && records == records_) {
        beginRemoveRows({}, insertRow_, insertRow_);
        insertRow_ = -1;
        endRemoveRows();
    } else if (insertRow_ >= 0 && insert < 0 && records == records_ + 1) {
        const int row = insertRow_;
        insertRow_ = -1;
        records_ = records;
        nameChanged(row);
    } else if (insertRow_ < 0 && insert < 0 && records == records_ - 1 &&
               ds->currentViewRow() >= 0 && ds->currentViewRow() < records_) {
        // Told before the dataset moves on: its position is still the deleted record's.
        const int row = ds->currentViewRow();
        removing_ = row;
        beginRemoveRows({}, row, row);
        records_ = records;
        removing_ = -1;
        endRemoveRows();
    } else if (inStep()) {
        // An edit began or ended: a cancelled one shows the old name again.
        nameChanged(cur_);
    } else {
        resetAll();
        return;
    }
    stateHandled_ = ds->state() != Dataset::State::Edit;
    markCurrent();
}

void NameListModel::followDataSet() {
    const Dataset* ds = dataset();
    const bool sameFilter =
        ds && ds->filtered() == filtered_ && (!filtered_ || ds->filterText() == filterText_);
    if (std::exchange(stateHandled_, false) && sameFilter && inStep()) {
        markCurrent();
        return;
    }
    // A filter, or controls enabled again after the dataset moved on in silence.
    resetAll();
}

void NameListModel::resetAll() {
    beginResetModel();
    const Dataset* ds = dataset();
    records_ = ds ? ds->recordCount() : 0;
    insertRow_ = liveInsertRow();
    removing_ = -1;
    cur_ = ds ? ds->currentViewRow() : -1;
    if (cur_ >= rowCount())
        cur_ = -1;
    markState_ = ds ? ds->state() : Dataset::State::Inactive;
    filtered_ = ds && ds->filtered();
    filterText_ = ds ? ds->filterText() : QString();
    endResetModel();
}

void NameListModel::markCurrent() {
    // Told of a move in the middle of a change of the rows: the change itself marks the row.
    if (!inStep())
        return;
    const Dataset* ds = dataset();
    int row = ds ? ds->currentViewRow() : -1;
    if (row >= rowCount())
        row = -1;
    const Dataset::State state = ds ? ds->state() : Dataset::State::Inactive;
    if (row == cur_ && state == markState_)
        return;
    const int old = std::exchange(cur_, row);
    markState_ = state;
    for (int r : {old, row})
        if (r >= 0 && r < rowCount())
            emit headerDataChanged(Qt::Vertical, r, r);
}

void NameListModel::nameChanged(int row) {
    if (row < 0 || row >= rowCount())
        return;
    const QModelIndex i = index(row, 0);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

} // namespace ravik
