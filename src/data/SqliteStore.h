#pragma once

#include "TableDef.h"

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <functional>
#include <span>

struct sqlite3;
struct sqlite3_stmt;

namespace ravik {

// One field's value in a record buffer. A picture is read only when asked for: until then only
// its size is known. Texts stay as stored bytes until first read, since a walk reads few fields.
struct Slot {
    QVariant value;           // null for empty
    qint64 blobSize = 0;      // picture bytes in storage
    bool blobPending = false; // a picture whose bytes are not read yet
    int rawAt = -1;           // where the undecoded text starts in the row's raw bytes
    int rawSize = 0;
};

class RowValues {
public:
    RowValues() = default;
    explicit RowValues(qsizetype fields) : slots_(fields) {}
    Slot& operator[](qsizetype i) { return slots_[i]; }
    const Slot& operator[](qsizetype i) const { return slots_[i]; }
    qsizetype size() const { return slots_.size(); }
    bool isEmpty() const { return slots_.isEmpty(); }
    // The stored texts of the row, one after another.
    QByteArray raw;

private:
    QList<Slot> slots_;
};

// One table file: an SQLite database holding one table named after the file's stem. Every write
// is its own committed transaction.
class SqliteStore {
public:
    explicit SqliteStore(const TableDef& def);
    ~SqliteStore();
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;

    // Opens an existing file and checks its fields; throws TableError.
    void open(const QString& path);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    bool isReadOnly() const { return readOnly_; }

    // Every row in storage order: its id and the name field's UTF-8 text (null when empty).
    void scanNames(const std::function<void(qint64 id, const char* utf8, int bytes)>& row);
    // The stored fields of row `id` when an earlier read brought it in ahead.
    bool takeReadAhead(qint64 id, RowValues& row);
    // The stored fields of row `id`; `upcoming` are the ids likely read next, in ascending order,
    // which are read ahead in the same pass.
    RowValues readRow(qint64 id, std::span<const qint64> upcoming = {});
    QByteArray readBlob(qint64 id, int field);
    // Writes the non-empty stored fields; returns the id the storage gave.
    qint64 insertRow(const RowValues& row);
    void updateRow(qint64 id, const RowValues& row, const QList<bool>& changed);
    void deleteRow(qint64 id);

    // Turns a text kept undecoded into the field's value.
    static QVariant decodeText(FieldKind kind, const char* utf8, int bytes);

    // A new, empty table file; refuses to touch an existing one.
    static void createFile(const QString& path, const TableDef& def);

private:
    [[noreturn]] void fail(const QString& what) const;
    void check(int rc, const char* what) const;
    sqlite3_stmt* prepare(const QString& sql);
    void checkFields();
    RowValues rowFrom(sqlite3_stmt* st) const;
    void dropReadAhead();
    void exec(sqlite3_stmt* st);

    const TableDef& def_;
    QString path_;
    QString connection_;
    QSqlDatabase qdb_;
    sqlite3* db_ = nullptr;
    bool readOnly_ = false;
    QList<int> columnOf_; // field index -> result column of the row query, -1 if not stored
    sqlite3_stmt* readStmt_ = nullptr;
    QList<qint64> aheadIds_;
    QList<RowValues> aheadRows_;
};

} // namespace ravik
