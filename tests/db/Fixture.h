#pragma once

#include "data/BalanceRule.h"
#include "data/Dataset.h"
#include "data/Field.h"
#include "data/SqliteStore.h"
#include "data/TableDef.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A folder with fresh, empty Veri.db and Ayar.db.
struct TempTables {
    QTemporaryDir dir;
    TempTables() {
        ravik::SqliteStore::createFile(path("Veri.db"), ravik::customerTableDef());
        ravik::SqliteStore::createFile(path("Ayar.db"), ravik::settingsTableDef());
    }
    QString path(const QString& file) const { return dir.filePath(file); }

    std::unique_ptr<ravik::Dataset> customers() const {
        auto t = std::make_unique<ravik::Dataset>(ravik::customerTableDef());
        t->setCalcFields(ravik::applyBalanceRule);
        t->setDirectory(dir.path());
        t->open();
        return t;
    }
    std::unique_ptr<ravik::Dataset> settings() const {
        auto t = std::make_unique<ravik::Dataset>(ravik::settingsTableDef());
        t->setDirectory(dir.path());
        t->open();
        return t;
    }
    // Customers stored with these names, in this order.
    void addCustomers(const QStringList& names) const {
        auto t = customers();
        for (const QString& n : names) {
            t->append();
            if (n.isEmpty())
                t->fieldByName("Tel1")->setAsString("0");
            else
                t->fieldByName("Isim")->setAsString(n);
            t->post();
        }
    }
    // The names stored, in storage order.
    QStringList storedNames() const {
        auto t = customers();
        QStringList names;
        for (t->first(); !t->eof(); t->next())
            names << t->fieldByName("Isim")->asString();
        return names;
    }
    // Runs SQL on a table file directly, as another program would; `blob` binds to every '?'.
    void sql(const QString& file, const QStringList& statements,
             const QByteArray& blob = {}) const {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fixture");
            db.setDatabaseName(path(file));
            QVERIFY(db.open());
            for (const QString& s : statements) {
                QSqlQuery q(db);
                QVERIFY2(q.prepare(s), qPrintable(s));
                if (s.contains('?'))
                    q.addBindValue(blob);
                QVERIFY2(q.exec(), qPrintable(s));
            }
        }
        QSqlDatabase::removeDatabase("fixture");
    }
};

// Records the after-events of a dataset by name, in order.
struct EventLog {
    QStringList events;
    explicit EventLog(ravik::Dataset* t) {
        using D = ravik::Dataset;
        QObject::connect(t, &D::afterInsert, t, [this] { events << "insert"; });
        QObject::connect(t, &D::afterEdit, t, [this] { events << "edit"; });
        QObject::connect(t, &D::afterPost, t, [this] { events << "post"; });
        QObject::connect(t, &D::afterCancel, t, [this] { events << "cancel"; });
        QObject::connect(t, &D::afterDelete, t, [this] { events << "delete"; });
    }
};

inline const char* stateName(ravik::Dataset::State s) {
    switch (s) {
    case ravik::Dataset::State::Inactive:
        return "inactive";
    case ravik::Dataset::State::Browse:
        return "browse";
    case ravik::Dataset::State::Edit:
        return "edit";
    case ravik::Dataset::State::Insert:
        return "insert";
    }
    return "?";
}
