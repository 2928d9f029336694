#include "Dataset.h"

#include "DataSource.h"
#include "Field.h"
#include "TableError.h"
#include "text/Conversions.h"

#include <QDir>

namespace ravik {

namespace {
// Records read ahead when the next current records are likely the following ones of the view.
constexpr int kReadAhead = 64;
} // namespace

Dataset::Dataset(const TableDef& def, QObject* parent) : QObject(parent), def_(def), store_(def) {
    setObjectName(def.component);
    for (int i = 0; i < def.fields.size(); ++i)
        fields_.append(new Field(this, i));
}

Dataset::~Dataset() {
    const QList<DataSource*> sources = sources_;
    for (DataSource* s : sources)
        s->setDataSet(nullptr);
}

void Dataset::fail(const QString& message) const {
    throw TableError(objectName(), message);
}

QString Dataset::filePath() const {
    return directory_.isEmpty() ? def_.fileName : QDir(directory_).filePath(def_.fileName);
}

Field* Dataset::fieldByName(const QString& name) const {
    const int i = def_.indexOf(name);
    if (i < 0)
        fail(QStringLiteral("Field '%1' not found").arg(name));
    return fields_[i];
}

void Dataset::notify(DataEvent event, Field* field) {
    if (disabled_ > 0 && event != DataEvent::UpdateRecord)
        return;
    const QList<DataSource*> sources = sources_;
    for (DataSource* s : sources)
        s->notify(event, field);
}

void Dataset::setState(State s) {
    state_ = s;
    notify(DataEvent::StateChanged);
}

// --- opening -------------------------------------------------------------------------------

void Dataset::open() {
    if (isActive())
        return;
    store_.open(filePath());
    try {
        reloadView();
    } catch (...) {
        store_.close();
        index_.clear();
        throw;
    }
    filtered_ = false;
    changed_.fill(false, def_.fields.size());
    modified_ = false;
    state_ = State::Browse;
    scrollTo(index_.count() > 0 ? 0 : -1);
    notify(DataEvent::ActiveChanged);
}

void Dataset::reloadView() {
    index_.clear();
    store_.scanNames([this](qint64 id, const char* utf8, int bytes) {
        index_.append(id, utf8 ? QString::fromUtf8(utf8, bytes) : QString());
    });
}

void Dataset::close() {
    if (!isActive())
        return;
    store_.close();
    index_.clear();
    rec_ = RowValues();
    loaded_ = false;
    cur_ = insertPos_ = -1;
    modified_ = false;
    state_ = State::Inactive;
    notify(DataEvent::ActiveChanged);
}

void Dataset::checkActive() const {
    if (!isActive())
        fail(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void Dataset::checkCanModify() const {
    checkActive();
    if (store_.isReadOnly())
        fail(QStringLiteral("Cannot modify a read-only dataset"));
}

// --- the current record --------------------------------------------------------------------

void Dataset::ensureLoaded() const {
    if (loaded_)
        return;
    calcPending_ = false;
    if (state_ == State::Insert || cur_ < 0) {
        rec_ = RowValues(def_.fields.size());
    } else {
        auto& store = const_cast<SqliteStore&>(store_);
        const qint64 id = index_.idAt(cur_);
        if (!store.takeReadAhead(id, rec_))
            rec_ = store.readRow(id, index_.idsFrom(cur_ + 1, kReadAhead));
        loaded_ = true;
        // Worked out when first read: a walk reading other fields never needs them.
        calcPending_ = bool(calc_);
        return;
    }
    loaded_ = true;
}

const Slot& Dataset::slot(int index) const {
    checkActive();
    ensureLoaded();
    if (calcPending_ && def_.fields[index].calculated) {
        calcPending_ = false;
        runCalc();
    }
    Slot& s = rec_[index];
    if (s.rawAt >= 0) {
        s.value = SqliteStore::decodeText(def_.fields[index].kind, rec_.raw.constData() + s.rawAt,
                                          s.rawSize);
        s.rawAt = -1;
    }
    if (s.blobPending) {
        s.value = const_cast<SqliteStore&>(store_).readBlob(index_.idAt(cur_), index);
        if (s.value.toByteArray().isEmpty())
            s.value = QVariant();
        s.blobPending = false;
    }
    return s;
}

qint64 Dataset::blobSize(int index) const {
    checkActive();
    ensureLoaded();
    const Slot& s = rec_[index];
    return s.blobPending ? s.blobSize : s.value.toByteArray().size();
}

void Dataset::runCalc() const {
    if (!calc_ || inCalc_)
        return;
    inCalc_ = true;
    try {
        calc_(const_cast<Dataset&>(*this));
    } catch (...) {
        inCalc_ = false;
        throw;
    }
    inCalc_ = false;
}

void Dataset::setSlotValue(int index, const QVariant& value) {
    checkActive();
    const FieldDef& f = def_.fields[index];
    if (inCalc_) {
        if (!f.calculated)
            fail(QStringLiteral("Field '%1' cannot be modified while working out fields")
                     .arg(f.name));
        rec_[index].value = value;
        rec_[index].rawAt = -1;
        return;
    }
    if (f.calculated || f.kind == FieldKind::AutoInc)
        throw Error(QStringLiteral("Field '%1' cannot be modified").arg(f.name));
    if (!isEditing())
        fail(QStringLiteral("Dataset not in edit or insert mode"));
    ensureLoaded();
    Slot& s = rec_[index];
    s.value = value;
    s.blobPending = false;
    s.rawAt = -1;
    changed_[index] = true;
    modified_ = true;
    calcPending_ = false;
    runCalc();
    notify(DataEvent::FieldChanged, fields_[index]);
    for (int i = 0; i < def_.fields.size(); ++i)
        if (def_.fields[i].calculated)
            notify(DataEvent::FieldChanged, fields_[i]);
}

QString Dataset::currentName() const {
    const int i = def_.nameField.isEmpty() ? -1 : def_.indexOf(def_.nameField);
    return i < 0 ? QString() : slot(i).value.toString();
}

// --- moving --------------------------------------------------------------------------------

void Dataset::scrollTo(int pos) {
    cur_ = pos;
    loaded_ = false;
    eof_ = index_.count() == 0;
    notify(DataEvent::Scrolled);
}

void Dataset::first() {
    checkActive();
    checkBrowseMode();
    scrollTo(index_.count() > 0 ? 0 : -1);
}

void Dataset::last() {
    checkActive();
    checkBrowseMode();
    scrollTo(index_.count() - 1);
    eof_ = true;
}

void Dataset::next() {
    checkActive();
    checkBrowseMode();
    if (cur_ + 1 >= index_.count()) {
        eof_ = true;
        return;
    }
    scrollTo(cur_ + 1);
}

void Dataset::moveTo(int pos) {
    checkActive();
    checkBrowseMode();
    if (index_.count() == 0)
        return;
    scrollTo(std::clamp(pos, 0, index_.count() - 1));
}

int Dataset::recNo() const {
    if (state_ != State::Browse && state_ != State::Edit)
        return -1;
    return cur_ < 0 ? -1 : cur_ + 1;
}

int Dataset::viewRowCount() const {
    return index_.count() + (state_ == State::Insert ? 1 : 0);
}

int Dataset::currentViewRow() const {
    return state_ == State::Insert ? insertPos_ : cur_;
}

QString Dataset::viewName(int row) const {
    if (state_ == State::Insert) {
        if (row == insertPos_) {
            ensureLoaded();
            return currentName();
        }
        if (row > insertPos_)
            --row;
    }
    if (state_ == State::Edit && row == cur_ && loaded_)
        return currentName();
    return index_.nameAt(row);
}

// --- editing -------------------------------------------------------------------------------

void Dataset::edit() {
    if (isEditing())
        return;
    checkCanModify();
    if (index_.count() == 0) {
        beginInsert(0);
        return;
    }
    ensureLoaded();
    changed_.fill(false, def_.fields.size());
    modified_ = false;
    setState(State::Edit);
    emit afterEdit(this);
}

void Dataset::beginInsert(int viewPos) {
    insertPos_ = viewPos;
    loaded_ = false;
    changed_.fill(false, def_.fields.size());
    modified_ = false;
    state_ = State::Insert;
    ensureLoaded(); // an empty record: calculated fields stay empty until a field gets a value
    notify(DataEvent::StateChanged);
    notify(DataEvent::DataSetChanged);
    emit afterInsert(this);
}

void Dataset::append() {
    checkCanModify();
    checkBrowseMode();
    cur_ = index_.count() - 1;
    beginInsert(index_.count());
}

void Dataset::insert() {
    checkCanModify();
    checkBrowseMode();
    beginInsert(std::max(cur_, 0));
}

void Dataset::post() {
    checkActive();
    if (!isEditing())
        fail(QStringLiteral("Dataset not in edit or insert mode"));
    notify(DataEvent::UpdateRecord);
    if (state_ == State::Insert) {
        const qint64 id = store_.insertRow(rec_);
        index_.insertAt(insertPos_, id, currentName());
        cur_ = insertPos_;
        const int idField = [this] {
            for (int i = 0; i < def_.fields.size(); ++i)
                if (def_.fields[i].kind == FieldKind::AutoInc)
                    return i;
            return -1;
        }();
        if (idField >= 0)
            rec_[idField].value = id;
    } else {
        store_.updateRow(index_.idAt(cur_), rec_, changed_);
        if (!def_.nameField.isEmpty() && changed_[def_.indexOf(def_.nameField)])
            index_.rename(cur_, currentName());
    }
    changed_.fill(false, def_.fields.size());
    modified_ = false;
    insertPos_ = -1;
    setState(State::Browse);
    notify(DataEvent::DataSetChanged);
    emit afterPost(this);
}

void Dataset::cancel() {
    checkActive();
    if (!isEditing())
        return;
    changed_.fill(false, def_.fields.size());
    modified_ = false;
    insertPos_ = -1;
    loaded_ = false;
    setState(State::Browse);
    notify(DataEvent::DataSetChanged);
    emit afterCancel(this);
}

void Dataset::deleteRecord() {
    checkActive();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (index_.count() == 0)
        fail(QStringLiteral("Cannot perform this operation on an empty dataset"));
    checkCanModify();
    store_.deleteRow(index_.idAt(cur_));
    index_.removeAt(cur_);
    // A pending edit goes with the record: no post, no cancel.
    changed_.fill(false, def_.fields.size());
    modified_ = false;
    state_ = State::Browse;
    notify(DataEvent::StateChanged);
    scrollTo(std::min(cur_, index_.count() - 1));
    notify(DataEvent::DataSetChanged);
    emit afterDelete(this);
}

void Dataset::checkBrowseMode() {
    checkActive();
    if (!isEditing())
        return;
    notify(DataEvent::UpdateRecord);
    if (modified_)
        post();
    else
        cancel();
}

void Dataset::flushBuffers() {
    checkBrowseMode();
}

// --- filter --------------------------------------------------------------------------------

std::optional<NameMatch> Dataset::parseFilter(const QString& text) const {
    // [Field]='quoted text', the only form the program builds.
    const QString t = text.trimmed();
    const auto bad = [&]() -> std::optional<NameMatch> {
        fail(QStringLiteral("Filter expression not supported: %1").arg(text));
    };
    int eq = int(t.indexOf(QLatin1Char('=')));
    if (eq < 0)
        return bad();
    QString name = t.left(eq).trimmed();
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    if (def_.nameField.isEmpty() || name.compare(def_.nameField, Qt::CaseInsensitive) != 0)
        return bad();
    const QString rest = t.mid(eq + 1).trimmed();
    if (rest.size() < 2 || !rest.startsWith(QLatin1Char('\'')) || !rest.endsWith(QLatin1Char('\'')))
        return bad();
    QString value;
    for (int i = 1; i < rest.size() - 1; ++i) {
        if (rest[i] == QLatin1Char('\'')) {
            if (i + 1 >= rest.size() - 1 || rest[i + 1] != QLatin1Char('\''))
                return bad();
            ++i;
        }
        value.append(rest[i]);
    }
    NameMatch m;
    // Only a final asterisk after at least one character makes a prefix.
    m.prefix = value.size() > 1 && value.endsWith(QLatin1Char('*'));
    m.folded = foldTurkish(m.prefix ? value.chopped(1) : value);
    return m;
}

void Dataset::setFilterText(const QString& text) {
    checkActive();
    checkBrowseMode();
    if (text == filterText_)
        return;
    match_ = text.trimmed().isEmpty() ? std::nullopt : parseFilter(text);
    filterText_ = text;
    if (filtered_) {
        index_.apply(match_);
        scrollTo(index_.count() > 0 ? 0 : -1);
        notify(DataEvent::DataSetChanged);
    }
}

void Dataset::setFiltered(bool on) {
    checkActive();
    checkBrowseMode();
    filtered_ = on;
    index_.apply(on ? match_ : std::nullopt);
    scrollTo(index_.count() > 0 ? 0 : -1);
    notify(DataEvent::DataSetChanged);
}

// --- controls ------------------------------------------------------------------------------

void Dataset::disableControls() {
    ++disabled_;
}

void Dataset::enableControls() {
    if (disabled_ > 0 && --disabled_ == 0)
        notify(DataEvent::DataSetChanged);
}

} // namespace ravik
