#include "SqliteStore.h"

#include "TableError.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>

namespace ravik {

namespace {

QString quoteId(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("ravik-store-%1").arg(++counter);
}

// How a declared SQL type reads back, named as the field kinds are.
QString declaredKindName(const QString& declared, bool primaryKey) {
    const QString t = declared.toUpper();
    if (t.contains(QLatin1String("INT")))
        return primaryKey ? fieldKindName(FieldKind::AutoInc) : QStringLiteral("Integer");
    if (t.contains(QLatin1String("CHAR")))
        return fieldKindName(FieldKind::String);
    if (t.contains(QLatin1String("TEXT")) || t.contains(QLatin1String("CLOB")))
        return fieldKindName(FieldKind::Memo);
    if (t.startsWith(QLatin1String("DATE")))
        return fieldKindName(FieldKind::Date);
    if (t.contains(QLatin1String("DOUB")) || t.contains(QLatin1String("REAL")) ||
        t.contains(QLatin1String("FLOA")))
        return fieldKindName(FieldKind::Float);
    if (t.startsWith(QLatin1String("BOOL")))
        return fieldKindName(FieldKind::Boolean);
    if (t.isEmpty() || t.contains(QLatin1String("BLOB")))
        return QStringLiteral("Blob");
    return declared;
}

bool compatible(FieldKind expected, const QString& actual) {
    switch (expected) {
    case FieldKind::Currency:
        return actual == fieldKindName(FieldKind::Float);
    case FieldKind::Graphic:
        return actual == QLatin1String("Blob");
    default:
        return actual == fieldKindName(expected);
    }
}

constexpr int kReadAheadRows = 64;
constexpr int kReadAheadSkips = 256;

} // namespace

SqliteStore::SqliteStore(const TableDef& def) : def_(def) {}

SqliteStore::~SqliteStore() {
    close();
}

void SqliteStore::fail(const QString& what) const {
    throw TableError(def_.component, what);
}

void SqliteStore::check(int rc, const char* what) const {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        fail(QStringLiteral("%1 failed in %2: %3")
                 .arg(QString::fromLatin1(what), path_, QString::fromUtf8(sqlite3_errmsg(db_))));
}

sqlite3_stmt* SqliteStore::prepare(const QString& sql) {
    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &st, nullptr) != SQLITE_OK)
        fail(QStringLiteral("Cannot read table file %1: %2")
                 .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_))));
    return st;
}

void SqliteStore::open(const QString& path) {
    close();
    path_ = QFileInfo(path).absoluteFilePath();
    const QFileInfo info(path_);
    if (!info.exists())
        fail(QStringLiteral("Cannot open table file %1: the file does not exist").arg(path_));
    if (!info.isFile() || !info.isReadable())
        fail(QStringLiteral("Cannot open table file %1: the file cannot be read").arg(path_));
    readOnly_ = !info.isWritable();

    connection_ = nextConnectionName();
    qdb_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    qdb_.setDatabaseName(path_);
    qdb_.setConnectOptions(readOnly_
                               ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000")
                               : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!qdb_.open()) {
        const QString why = qdb_.lastError().text();
        close();
        fail(QStringLiteral("Cannot open table file %1: %2").arg(path_, why));
    }
    const QVariant handle = qdb_.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        close();
        fail(QStringLiteral("Cannot open table file %1: the SQLite driver is not available")
                 .arg(path_));
    }
    db_ = *static_cast<sqlite3* const*>(handle.constData());
    try {
        // A rollback journal keeps the table in one file; FULL makes each commit durable.
        sqlite3_exec(db_, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        if (sqlite3_exec(db_, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(QStringLiteral("Cannot open table file %1: %2")
                     .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_))));
        checkFields();
    } catch (...) {
        close();
        throw;
    }
}

void SqliteStore::checkFields() {
    struct Column {
        QString name, type;
        bool pk;
    };
    QList<Column> columns;
    sqlite3_stmt* st =
        prepare(QStringLiteral("PRAGMA table_info(%1)").arg(quoteId(def_.sqlTable())));
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        columns.append(
            {QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1))),
             QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2))),
             sqlite3_column_int(st, 5) != 0});
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("Cannot open table file %1: %2")
                 .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_))));
    if (columns.isEmpty())
        fail(QStringLiteral("Cannot open table file %1: it holds no table named %2")
                 .arg(path_, def_.sqlTable()));

    QStringList select{QStringLiteral("rowid")};
    columnOf_.fill(-1, def_.fields.size());
    for (int i = 0; i < def_.fields.size(); ++i) {
        const FieldDef& f = def_.fields[i];
        if (f.calculated)
            continue;
        auto it = std::find_if(columns.begin(), columns.end(), [&](const Column& c) {
            return c.name.compare(f.name, Qt::CaseInsensitive) == 0;
        });
        if (it == columns.end())
            fail(QStringLiteral("Field '%1' not found").arg(f.name));
        const QString actual = declaredKindName(it->type, it->pk);
        if (!compatible(f.kind, actual))
            fail(QStringLiteral("Type mismatch for field '%1', expecting: %2 actual: %3")
                     .arg(f.name, fieldKindName(f.kind), actual));
        columnOf_[i] = int(select.size());
        select.append(f.kind == FieldKind::Graphic
                          ? QStringLiteral("length(%1)").arg(quoteId(f.name))
                          : quoteId(f.name));
    }
    readStmt_ = prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid >= ?1 ORDER BY rowid")
                            .arg(select.join(QLatin1String(", ")), quoteId(def_.sqlTable())));
}

void SqliteStore::close() {
    dropReadAhead();
    if (readStmt_) {
        sqlite3_finalize(readStmt_);
        readStmt_ = nullptr;
    }
    db_ = nullptr;
    if (!connection_.isEmpty()) {
        qdb_.close();
        qdb_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
        connection_.clear();
    }
}

void SqliteStore::dropReadAhead() {
    aheadIds_.clear();
    aheadRows_.clear();
}

void SqliteStore::scanNames(const std::function<void(qint64, const char*, int)>& row) {
    const QString nameColumn =
        def_.nameField.isEmpty() ? QStringLiteral("NULL") : quoteId(def_.nameField);
    sqlite3_stmt* st = prepare(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                                   .arg(nameColumn, quoteId(def_.sqlTable())));
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        row(sqlite3_column_int64(st, 0), text, sqlite3_column_bytes(st, 1));
    }
    sqlite3_finalize(st);
    check(rc, "Reading the table");
}

RowValues SqliteStore::rowFrom(sqlite3_stmt* st) const {
    RowValues row(def_.fields.size());
    row.raw.reserve(512);
    for (int i = 0; i < def_.fields.size(); ++i) {
        const int c = columnOf_[i];
        if (c < 0)
            continue;
        Slot& s = row[i];
        const FieldKind kind = def_.fields[i].kind;
        if (kind == FieldKind::Graphic) {
            s.blobSize = sqlite3_column_int64(st, c);
            s.blobPending = s.blobSize > 0;
            continue;
        }
        const bool number = kind == FieldKind::AutoInc || kind == FieldKind::Currency ||
                            kind == FieldKind::Float || kind == FieldKind::Boolean;
        if (number && sqlite3_column_type(st, c) == SQLITE_NULL)
            continue;
        switch (kind) {
        case FieldKind::AutoInc:
            s.value = sqlite3_column_int64(st, c);
            break;
        case FieldKind::Currency:
        case FieldKind::Float:
            s.value = sqlite3_column_double(st, c);
            break;
        case FieldKind::Boolean:
            s.value = sqlite3_column_int(st, c) != 0;
            break;
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            if (!text) // empty
                break;
            s.rawAt = int(row.raw.size());
            s.rawSize = sqlite3_column_bytes(st, c);
            row.raw.append(text, s.rawSize);
        }
        }
    }
    return row;
}

QVariant SqliteStore::decodeText(FieldKind kind, const char* utf8, int bytes) {
    const QString text = QString::fromUtf8(utf8, bytes);
    if (kind != FieldKind::Date)
        return text;
    // A date another program stored in some other form reads as empty.
    const QDate d = QDate::fromString(text, Qt::ISODate);
    return d.isValid() ? QVariant(d) : QVariant();
}

bool SqliteStore::takeReadAhead(qint64 id, RowValues& row) {
    const auto hit = std::lower_bound(aheadIds_.cbegin(), aheadIds_.cend(), id);
    if (hit == aheadIds_.cend() || *hit != id)
        return false;
    // Handed over, not shared: the record buffer is then changed without a copy.
    RowValues& ahead = aheadRows_[hit - aheadIds_.cbegin()];
    if (ahead.isEmpty())
        return false;
    row = std::move(ahead);
    ahead = RowValues();
    return true;
}

RowValues SqliteStore::readRow(qint64 id, std::span<const qint64> upcoming) {
    RowValues ahead;
    if (takeReadAhead(id, ahead))
        return ahead;

    // Read this row and, in the same pass, the upcoming ones that lie close behind it.
    dropReadAhead();
    sqlite3_reset(readStmt_);
    sqlite3_bind_int64(readStmt_, 1, id);
    auto next = std::upper_bound(upcoming.begin(), upcoming.end(), id);
    RowValues wanted;
    bool found = false;
    int skipped = 0;
    int rc;
    while ((rc = sqlite3_step(readStmt_)) == SQLITE_ROW) {
        const qint64 rowId = sqlite3_column_int64(readStmt_, 0);
        if (!found) {
            if (rowId != id)
                break;
            found = true;
            wanted = rowFrom(readStmt_);
            continue;
        }
        while (next != upcoming.end() && *next < rowId)
            ++next;
        if (next == upcoming.end() || aheadIds_.size() >= kReadAheadRows)
            break;
        if (*next == rowId) {
            aheadIds_.append(rowId);
            aheadRows_.append(rowFrom(readStmt_));
        } else if (++skipped > kReadAheadSkips) {
            break;
        }
    }
    // A statement left running would hold the commit of the next write back.
    sqlite3_reset(readStmt_);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        dropReadAhead();
        check(rc, "Reading a record");
    }
    if (!found)
        fail(QStringLiteral("Record not found"));
    return wanted;
}

QByteArray SqliteStore::readBlob(qint64 id, int field) {
    sqlite3_stmt* st =
        prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                    .arg(quoteId(def_.fields[field].name), quoteId(def_.sqlTable())));
    sqlite3_bind_int64(st, 1, id);
    QByteArray bytes;
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW)
        bytes = QByteArray(static_cast<const char*>(sqlite3_column_blob(st, 0)),
                           sqlite3_column_bytes(st, 0));
    sqlite3_finalize(st);
    if (rc == SQLITE_DONE)
        fail(QStringLiteral("Record not found"));
    check(rc, "Reading a picture");
    return bytes;
}

namespace {

void bindSlot(sqlite3_stmt* st, int at, const FieldDef& f, const Slot& s) {
    if (s.value.isNull()) {
        sqlite3_bind_null(st, at);
        return;
    }
    switch (f.kind) {
    case FieldKind::AutoInc:
        sqlite3_bind_int64(st, at, s.value.toLongLong());
        break;
    case FieldKind::String:
    case FieldKind::Memo: {
        const QByteArray utf8 = s.value.toString().toUtf8();
        sqlite3_bind_text(st, at, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    case FieldKind::Date: {
        const QByteArray iso = s.value.toDate().toString(Qt::ISODate).toLatin1();
        sqlite3_bind_text(st, at, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
        break;
    }
    case FieldKind::Currency:
    case FieldKind::Float:
        sqlite3_bind_double(st, at, s.value.toDouble());
        break;
    case FieldKind::Boolean:
        sqlite3_bind_int(st, at, s.value.toBool() ? 1 : 0);
        break;
    case FieldKind::Graphic: {
        const QByteArray bytes = s.value.toByteArray();
        if (bytes.isEmpty())
            sqlite3_bind_null(st, at);
        else
            sqlite3_bind_blob(st, at, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

} // namespace

void SqliteStore::exec(sqlite3_stmt* st) {
    const int rc = sqlite3_step(st);
    const QString why = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("Cannot write to %1: %2").arg(path_, why));
}

qint64 SqliteStore::insertRow(const RowValues& row) {
    dropReadAhead();
    QStringList names, params;
    QList<int> fields;
    for (int i = 0; i < def_.fields.size(); ++i) {
        if (columnOf_[i] < 0 || row[i].value.isNull())
            continue;
        fields.append(i);
        names.append(quoteId(def_.fields[i].name));
        params.append(QStringLiteral("?%1").arg(fields.size()));
    }
    const QString table = quoteId(def_.sqlTable());
    sqlite3_stmt* st =
        prepare(fields.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                 : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                       .arg(table, names.join(QLatin1String(", ")),
                                            params.join(QLatin1String(", "))));
    for (int k = 0; k < fields.size(); ++k)
        bindSlot(st, k + 1, def_.fields[fields[k]], row[fields[k]]);
    exec(st);
    return sqlite3_last_insert_rowid(db_);
}

void SqliteStore::updateRow(qint64 id, const RowValues& row, const QList<bool>& changed) {
    dropReadAhead();
    QStringList sets;
    QList<int> fields;
    for (int i = 0; i < def_.fields.size(); ++i) {
        if (columnOf_[i] < 0 || !changed.value(i))
            continue;
        fields.append(i);
        sets.append(
            QStringLiteral("%1 = ?%2").arg(quoteId(def_.fields[i].name)).arg(fields.size()));
    }
    if (fields.isEmpty())
        return;
    sqlite3_stmt* st = prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                                   .arg(quoteId(def_.sqlTable()), sets.join(QLatin1String(", ")))
                                   .arg(fields.size() + 1));
    for (int k = 0; k < fields.size(); ++k)
        bindSlot(st, k + 1, def_.fields[fields[k]], row[fields[k]]);
    sqlite3_bind_int64(st, int(fields.size()) + 1, id);
    exec(st);
}

void SqliteStore::deleteRow(qint64 id) {
    dropReadAhead();
    sqlite3_stmt* st =
        prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quoteId(def_.sqlTable())));
    sqlite3_bind_int64(st, 1, id);
    exec(st);
}

void SqliteStore::createFile(const QString& path, const TableDef& def) {
    const QString abs = QFileInfo(path).absoluteFilePath();
    auto refuse = [&](const QString& why) {
        throw Error(QStringLiteral("Cannot create %1: %2").arg(abs, why));
    };
    QFile file(abs);
    // Creating the file ourselves makes an existing one an error and sets owner-only rights.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        refuse(file.exists() ? QStringLiteral("the file already exists") : file.errorString());
    file.close();

    QStringList columns;
    for (const FieldDef& f : def.fields)
        if (!f.calculated)
            columns.append(quoteId(f.name) + QLatin1Char(' ') + sqlDeclaredType(f));
    const QString connection = nextConnectionName();
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(abs);
        if (!db.open()) {
            why = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) ||
                !q.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                            .arg(quoteId(def.sqlTable()), columns.join(QLatin1String(", ")))))
                why = q.lastError().text();
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!why.isEmpty()) {
        QFile::remove(abs);
        refuse(why);
    }
}

} // namespace ravik
