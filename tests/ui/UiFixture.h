#pragma once

#include "data/BalanceRule.h"
#include "data/Dataset.h"
#include "data/Field.h"
#include "data/SqliteStore.h"
#include "data/TableDef.h"
#include "text/Errors.h"
#include "ui/controls/Prompts.h"

#include <QBuffer>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// Fresh tables in a temporary folder, filled through SQL as another program would, and the
// prompts scripted so that nothing blocks.
struct UiTables {
    QTemporaryDir dir;
    UiTables() {
        ravik::SqliteStore::createFile(path("Veri.db"), ravik::customerTableDef());
        ravik::SqliteStore::createFile(path("Ayar.db"), ravik::settingsTableDef());
        sql("Ayar.db", {"INSERT INTO Ayar (Gun, Aktif) VALUES (0, 1)"}); // as tables start out
        ravik::Prompts::instance().setScripted(true);
        ravik::Prompts::instance().takeAsked();
    }
    ~UiTables() { ravik::Prompts::instance().takeAsked(); }
    QString path(const QString& file) const { return dir.filePath(file); }

    // Runs statements; `blob` binds to every '?'.
    void sql(const QString& file, const QStringList& statements,
             const QByteArray& blob = {}) const {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "uifixture");
            db.setDatabaseName(path(file));
            QVERIFY(db.open());
            for (const QString& s : statements) {
                QSqlQuery q(db);
                QVERIFY(q.prepare(s));
                if (s.contains('?'))
                    q.addBindValue(blob);
                QVERIFY2(q.exec(), qPrintable(s));
            }
        }
        QSqlDatabase::removeDatabase("uifixture");
    }
    void addCustomers(const QStringList& names) const {
        QStringList s;
        for (const QString& n : names)
            s << "INSERT INTO Veri (Isim) VALUES ('" + n + "')";
        sql("Veri.db", s);
    }
    QStringList storedNames() const {
        QStringList names;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "uinames");
            db.setDatabaseName(path("Veri.db"));
            db.open();
            QSqlQuery q("SELECT Isim FROM Veri ORDER BY rowid", db);
            while (q.next())
                names << q.value(0).toString();
        }
        QSqlDatabase::removeDatabase("uinames");
        return names;
    }
};

// The texts of the error boxes shown since the last call.
inline QStringList shownErrors() {
    QStringList texts;
    for (const auto& a : ravik::Prompts::instance().takeAsked())
        if (a.kind == "error")
            texts << a.text;
    return texts;
}

inline QByteArray bitmapBytes(QSize size = {20, 10}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
