// Opening table files, the settings table, and creating tables with ravikpro-tables.
#include "Fixture.h"

#include "text/Errors.h"

#include <QCryptographicHash>
#include <QProcess>

using namespace ravik;

namespace {

QByteArray digest(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "missing";
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The customer table's columns, with one changed or left out.
QString customerSql(const QString& replace, const QString& by) {
    QStringList columns;
    for (const FieldDef& f : customerTableDef().fields)
        if (!f.calculated)
            columns << (f.name == replace ? by : '"' + f.name + "\" " + sqlDeclaredType(f));
    columns.removeAll(QString());
    return "CREATE TABLE Veri (" + columns.join(", ") + ")";
}

} // namespace

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void openErrors_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("setup"); // SQL; "garbage" writes a file that is no database
        QTest::addColumn<QString>("error");     // %1: the folder
        QTest::newRow("missing file") << "Veri.db" << QStringList{}
                                      << "Table1: Cannot open table file %1/Veri.db: the file "
                                         "does not exist";
        QTest::newRow("missing field") << "Veri.db" << QStringList{customerSql("Bag1", "")}
                                       << "Table1: Field 'Bag1' not found";
        QTest::newRow("wrong type")
            << "Veri.db" << QStringList{customerSql("Isim", "Isim INTEGER")}
            << "Table1: Type mismatch for field 'Isim', expecting: String actual: Integer";
        QTest::newRow("money as text")
            << "Veri.db" << QStringList{customerSql("Ucret", "Ucret TEXT")}
            << "Table1: Type mismatch for field 'Ucret', expecting: Currency actual: Memo";
        QTest::newRow("picture as text")
            << "Veri.db" << QStringList{customerSql("Resim", "Resim VARCHAR(10)")}
            << "Table1: Type mismatch for field 'Resim', expecting: Graphic actual: String";
        QTest::newRow("no table inside")
            << "Veri.db" << QStringList{"CREATE TABLE Other (x)"}
            << "Table1: Cannot open table file %1/Veri.db: it holds no table named Veri";
        QTest::newRow("not a database")
            << "Veri.db" << QStringList{"garbage"}
            << "Table1: Cannot open table file %1/Veri.db: file is not a database";
        QTest::newRow("settings without Gun")
            << "Ayar.db"
            << QStringList{"CREATE TABLE Ayar (Konu VARCHAR(100), Uyari VARCHAR(255), Aktif "
                           "BOOLEAN, Tarih DATE)"}
            << "Table2: Field 'Gun' not found";
        QTest::newRow("settings with Aktif as number")
            << "Ayar.db"
            << QStringList{"CREATE TABLE Ayar (Gun DOUBLE, Konu VARCHAR(100), Uyari VARCHAR(255), "
                           "Aktif DOUBLE, Tarih DATE)"}
            << "Table2: Type mismatch for field 'Aktif', expecting: Boolean actual: Float";
    }

    void openErrors() {
        QFETCH(QString, file);
        QFETCH(QStringList, setup);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        if (setup == QStringList{"garbage"}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        } else if (!setup.isEmpty()) {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "setup");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            for (const QString& s : setup)
                QVERIFY2(QSqlQuery(db).exec(s), qPrintable(s));
            db.close();
            db = {};
            QSqlDatabase::removeDatabase("setup");
        }
        const QByteArray before = digest(path);
        Dataset t(file == "Veri.db" ? customerTableDef() : settingsTableDef());
        t.setDirectory(dir.path());
        try {
            t.open();
            QFAIL("opened");
        } catch (const Error& e) {
            QCOMPARE(e.message(), error.replace("%1", dir.path()));
        }
        QVERIFY(!t.isActive());
        QCOMPARE(digest(path), before); // a bad file is left as it was
        QCOMPARE(QFile::exists(path), before != "missing");
    }

    void extraColumnsAreIgnored() {
        TempTables tt;
        tt.sql("Veri.db", {"ALTER TABLE Veri ADD COLUMN Extra TEXT",
                           "INSERT INTO Veri (Isim, Extra) VALUES ('Ali', 'x')"});
        auto t = tt.customers();
        QCOMPARE(t->fieldByName("Isim")->asString(), QString("Ali"));
    }

    void settingsRows_data() {
        QTest::addColumn<QStringList>("rows"); // INSERT value lists for (Gun, Aktif)
        QTest::addColumn<double>("gun");
        QTest::addColumn<bool>("aktif");
        QTest::newRow("no row") << QStringList{} << 0.0 << false;
        QTest::newRow("empty row") << QStringList{"NULL, NULL"} << 0.0 << false;
        QTest::newRow("one row") << QStringList{"3, 1"} << 3.0 << true;
        QTest::newRow("several rows, the first counts")
            << QStringList{"-2.5, 0", "7, 1", "9, 1"} << -2.5 << false;
    }

    void settingsRows() {
        QFETCH(QStringList, rows);
        QFETCH(double, gun);
        QFETCH(bool, aktif);
        TempTables tt;
        QStringList sql;
        for (const QString& r : rows)
            sql << "INSERT INTO Ayar (Gun, Aktif) VALUES (" + r + ")";
        tt.sql("Ayar.db", sql);
        auto t = tt.settings();
        QCOMPARE(t->fieldByName("Gun")->asFloat(), gun);
        QCOMPARE(t->fieldByName("Aktif")->asBoolean(), aktif);

        // Storing touches the first row only, and creates it when there is none.
        EventLog log(t.get());
        t->edit();
        QCOMPARE(log.events, QStringList{rows.isEmpty() ? "insert" : "edit"});
        t->fieldByName("Gun")->setAsString("5");
        QCOMPARE(t->fieldByName("Gun")->asFloat(), 5.0); // readers see the pending value
        t->post();
        t->close();
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(tt.path("Ayar.db"));
        QVERIFY(db.open());
        QSqlQuery q("SELECT Gun FROM Ayar ORDER BY rowid", db);
        QStringList stored;
        while (q.next())
            stored << q.value(0).toString();
        QStringList expected{"5"};
        for (int i = 1; i < rows.size(); ++i)
            expected << rows[i].section(',', 0, 0);
        QCOMPARE(stored, expected);
        q = QSqlQuery();
        db.close();
        db = {};
        QSqlDatabase::removeDatabase("check");
    }

    void tablesTool_data() {
        QTest::addColumn<QString>("target"); // %1: a fresh temporary folder
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("fresh folder")
            << "%1" << QStringList{} << 0 << "Created Veri.db and Ayar.db";
        QTest::newRow("tables already there")
            << "%1" << QStringList{"Veri.db", "Ayar.db"} << 1 << "already holds Veri.db";
        QTest::newRow("settings already there")
            << "%1" << QStringList{"Ayar.db"} << 1 << "already holds Ayar.db";
        QTest::newRow("no such folder") << "%1/none" << QStringList{} << 1 << "does not exist";
        QTest::newRow("a file, not a folder")
            << "%1/Veri.db" << QStringList{"Veri.db"} << 1 << "is not a folder";
        QTest::newRow("folder not writable") << "/proc" << QStringList{} << 1 << "Cannot create";
    }

    void tablesTool() {
        QFETCH(QString, target);
        QFETCH(QStringList, present);
        QTemporaryDir dir;
        for (const QString& f : present) {
            QFile file(dir.filePath(f));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        QProcess tool;
        tool.start(qEnvironmentVariable("RAVIK_BIN_DIR") + "/ravikpro-tables",
                   {"init", target.replace("%1", dir.path())});
        QVERIFY(tool.waitForFinished());
        const QString said = QString::fromUtf8(tool.readAllStandardError());
        QFETCH(QString, message);
        QVERIFY2(said.contains(message), qPrintable(said));
        QFETCH(int, exitCode);
        QCOMPARE(tool.exitCode(), exitCode);
        for (const QString& f : present) // never overwritten
            QCOMPARE(digest(dir.filePath(f)),
                     QCryptographicHash::hash("keep me", QCryptographicHash::Sha256));
        if (exitCode != 0) {
            if (present.isEmpty())
                QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
            return;
        }
        for (const QString& f : {QString("Veri.db"), QString("Ayar.db")})
            QCOMPARE(QFile::permissions(dir.filePath(f)) & 0x0077, QFileDevice::Permissions());
        // The files open as tables: no customer, one settings row.
        Dataset customers(customerTableDef());
        customers.setDirectory(dir.path());
        customers.open();
        QCOMPARE(customers.recordCount(), 0);
        Dataset settings(settingsTableDef());
        settings.setDirectory(dir.path());
        settings.open();
        QCOMPARE(settings.recordCount(), 1);
        QCOMPARE(settings.fieldByName("Aktif")->asBoolean(), true);
        QCOMPARE(settings.fieldByName("Gun")->isNull(), false);
        QCOMPARE(settings.fieldByName("Gun")->asFloat(), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"
