#pragma once

#include "DataLink.h"
#include "NameIndex.h"
#include "SqliteStore.h"
#include "TableDef.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace ravik {

class DataSource;
class Field;

// A table as the windows see it: one current record over a filtered view, and the editing
// model (browse, edit, insert) with its events. Its object name is the component name
// ("Table1"), which prefixes its errors.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Dataset(const TableDef& def, QObject* parent = nullptr);
    ~Dataset() override;

    const TableDef& def() const { return def_; }
    // The folder the table file is looked up in; empty means the working directory.
    void setDirectory(const QString& dir) { directory_ = dir; }
    QString filePath() const;

    void open();
    // Drops a pending edit or insert: closing never saves.
    void close();
    bool isActive() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }
    bool canModify() const { return isActive() && !store_.isReadOnly(); }
    // Whether a stored field received a value since the edit or insert began.
    bool isModified() const { return modified_; }

    const QList<Field*>& fields() const { return fields_; }
    Field* field(int index) const { return fields_[index]; }
    // Throws "Field 'x' not found".
    Field* fieldByName(const QString& name) const;

    void first();
    void next();
    void last();
    void moveTo(int pos);
    bool eof() const { return eof_; }
    bool isEmpty() const { return index_.count() == 0 && state_ != State::Insert; }
    // 1-based position in the view; -1 while inserting or when nothing is current.
    int recNo() const;
    // Records in the view, without one being inserted.
    int recordCount() const { return index_.count(); }

    // The view as a list shows it: the record being inserted is a row of its own.
    int viewRowCount() const;
    int currentViewRow() const;
    QString viewName(int row) const;

    void edit();
    void append();
    // A new record at the current position.
    void insert();
    void post();
    void cancel();
    void deleteRecord();
    // Posts a changed pending record, drops an untouched one.
    void checkBrowseMode();
    // Every post is already durable: this only brings the table to browse.
    void flushBuffers();

    // "[Isim]='text'" with a final asterisk for a prefix; case-insensitive.
    void setFilterText(const QString& text);
    QString filterText() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disabled_ > 0; }

    // Works out calculated fields for the current record.
    void setCalcFields(std::function<void(Dataset&)> calc) { calc_ = std::move(calc); }

signals:
    void afterInsert(ravik::Dataset* ds);
    void afterEdit(ravik::Dataset* ds);
    void afterPost(ravik::Dataset* ds);
    void afterCancel(ravik::Dataset* ds);
    void afterDelete(ravik::Dataset* ds);

private:
    friend class Field;
    friend class DataSource;

    [[noreturn]] void fail(const QString& message) const;
    void checkActive() const;
    void checkCanModify() const;
    void ensureLoaded() const;
    const Slot& slot(int index) const;
    void setSlotValue(int index, const QVariant& value);
    qint64 blobSize(int index) const;
    void runCalc() const;
    void notify(DataEvent event, Field* field = nullptr);
    void scrollTo(int pos);
    void beginInsert(int viewPos);
    void setState(State s);
    std::optional<NameMatch> parseFilter(const QString& text) const;
    void reloadView();
    QString currentName() const;

    const TableDef& def_;
    QString directory_;
    SqliteStore store_;
    NameIndex index_;
    QList<Field*> fields_;
    QList<DataSource*> sources_;
    std::function<void(Dataset&)> calc_;
    State state_ = State::Inactive;

    // The current record: loaded from storage when first read.
    int cur_ = -1;
    int insertPos_ = -1;
    mutable bool loaded_ = false;
    mutable RowValues rec_;
    mutable bool inCalc_ = false;
    mutable bool calcPending_ = false;
    QList<bool> changed_;
    bool modified_ = false;
    bool eof_ = true;

    QString filterText_;
    std::optional<NameMatch> match_;
    bool filtered_ = false;
    int disabled_ = 0;
};

} // namespace ravik
