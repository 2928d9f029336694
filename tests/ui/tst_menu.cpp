// The main window: start-up failures, the record counter, the picture box rule, closing.
#include "UiFixture.h"

#include "ui/Menu.h"
#include "ui/controls/DBGrid.h"
#include "ui/controls/DBImage.h"

#include <QCryptographicHash>
#include <QLineEdit>

using namespace ravik;

namespace {

QByteArray digest(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
               : QByteArray("missing");
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void startupFailures_data() {
        QTest::addColumn<QString>("remove");
        QTest::addColumn<QStringList>("sql"); // run on Veri.db before starting
        QTest::addColumn<QString>("error");   // %1: the folder
        QTest::newRow("no customer table")
            << "Veri.db" << QStringList{}
            << "Table1: Cannot open table file %1/Veri.db: the file does not exist";
        QTest::newRow("no tables at all")
            << "Veri.db Ayar.db" << QStringList{}
            << "Table1: Cannot open table file %1/Veri.db: the file does not exist";
        QTest::newRow("no settings table")
            << "Ayar.db" << QStringList{}
            << "Table2: Cannot open table file %1/Ayar.db: the file does not exist";
        QTest::newRow("a field missing") << "" << QStringList{"ALTER TABLE Veri DROP COLUMN Bag1"}
                                         << "Table1: Field 'Bag1' not found";
    }

    void startupFailures() {
        QFETCH(QString, remove);
        QFETCH(QStringList, sql);
        QFETCH(QString, error);
        UiTables tt;
        tt.sql("Veri.db", sql);
        for (const QString& f : remove.split(' ', Qt::SkipEmptyParts))
            QFile::remove(tt.path(f));
        const QByteArray veri = digest(tt.path("Veri.db")), ayar = digest(tt.path("Ayar.db"));
        try {
            TMenu1 menu(tt.dir.path());
            QFAIL("the window was built");
        } catch (const Error& e) {
            QCOMPARE(e.message(), error.replace("%1", tt.dir.path()));
        }
        // Nothing written, nothing created.
        QCOMPARE(digest(tt.path("Veri.db")), veri);
        QCOMPARE(digest(tt.path("Ayar.db")), ayar);
    }

    void recordCounter() {
        UiTables tt;
        tt.addCustomers({"Ali", "Berk", "Bora"});
        TMenu1 menu(tt.dir.path());
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const auto panels = [&] { return menu.panelText(1) + "/" + menu.panelText(2); };
        QCOMPARE(panels(), QString("/")); // empty until the list is used

        auto* grid = menu.findChild<DBGrid*>("DBGrid1");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down); // counted when the key is released
        QCOMPARE(panels(), QString("2/3"));

        menu.SpeedButton1Click(); // a new record
        QCOMPARE(panels(), QString("2/3"));
        menu.DBGrid1CellClick();
        QCOMPARE(panels(), QString("-1/3"));
        menu.SpeedButton4Click();

        auto* search = menu.findChild<QLineEdit*>("Edit1");
        search->setText("b");
        QCOMPARE(menu.Table1->recordCount(), 2);
        QCOMPARE(panels(), QString("-1/3")); // the filter does not refresh it
        menu.DBGrid1KeyUp();
        QCOMPARE(panels(), QString("1/2"));

        Prompts::instance().queueAnswer(QMessageBox::Yes);
        menu.SpeedButton5Click();
        QCOMPARE(menu.Table1->recordCount(), 1);
        QCOMPARE(panels(), QString("1/2")); // nor does a delete
        menu.DBGrid1ColumnMoved();
        QCOMPARE(panels(), QString("1/1"));
        menu.close();
    }

    void pictureBoxRule() {
        UiTables tt;
        tt.sql("Veri.db",
               {"INSERT INTO Veri (Isim, Resim) VALUES ('Ali', ?)",
                "INSERT INTO Veri (Isim) VALUES ('Berk')"},
               bitmapBytes());
        TMenu1 menu(tt.dir.path());
        auto* box = menu.findChild<DBImage*>("DBImage1");
        QVERIFY(box->isHidden()); // until the first activation
        menu.FormActivate();
        QVERIFY(!box->isHidden());
        QCOMPARE(box->picture().size(), QSize(20, 10));

        menu.Table1->next();
        QVERIFY(!box->isHidden()); // a move alone changes nothing
        menu.DBGrid1KeyUp();
        QVERIFY(box->isHidden());
        menu.findChild<QLineEdit*>("Edit1")->setText("A");
        QVERIFY(box->isHidden()); // nor does the search box
        menu.DBGrid1CellClick();
        QVERIFY(!box->isHidden());
        QCOMPARE(shownErrors(), QStringList{});
    }

    void undecodablePictureDoesNotStopStartup() {
        UiTables tt;
        tt.sql("Veri.db", {"INSERT INTO Veri (Isim, Resim) VALUES ('Ali', ?)"},
               QByteArray("\0\0\1\0 an icon, long enough to be read", 37));
        TMenu1 menu(tt.dir.path());
        QCOMPARE(shownErrors(), QStringList{"Bitmap image is not valid."});
        QCOMPARE(menu.Table1->fieldByName("Isim")->asString(), QString("Ali"));
        menu.FormActivate();
        QVERIFY(!menu.findChild<DBImage*>("DBImage1")->isHidden()); // shown, empty
        QVERIFY(menu.findChild<DBImage*>("DBImage1")->picture().isNull());
    }

    void closingKeepsWhatWasTyped_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("changed record stored") << "edit" << QStringList{"Ali Veli"} << false;
        QTest::newRow("untouched new record dropped") << "append" << QStringList{"Ali"} << false;
        QTest::newRow("typed new record stored")
            << "append typed" << QStringList{"Ali", "Cem"} << false;
        QTest::newRow("storing refused: window stays") << "refused" << QStringList{"Ali"} << true;
    }

    void closingKeepsWhatWasTyped() {
        QFETCH(QString, action);
        UiTables tt;
        tt.addCustomers({"Ali"});
        if (action == "refused")
            tt.sql("Veri.db", {"CREATE TRIGGER no BEFORE UPDATE ON Veri BEGIN SELECT "
                               "RAISE(ABORT, 'locked'); END"});
        TMenu1 menu(tt.dir.path());
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        if (action.startsWith("append"))
            menu.SpeedButton1Click();
        else
            menu.Table1->edit();
        if (action == "append typed")
            menu.Table1->fieldByName("Isim")->setAsString("Cem");
        else if (action != "append")
            menu.Table1->fieldByName("Isim")->setAsString("Ali Veli");
        // Closing by the close box reaches the application's error display when storing fails.
        QString refused;
        try {
            menu.close();
        } catch (const Error& e) {
            refused = e.message();
        }
        QFETCH(bool, stillOpen);
        QCOMPARE(menu.isVisible(), stillOpen);
        QCOMPARE(refused.contains("locked"), stillOpen);
        menu.Table1->close();
        QFETCH(QStringList, stored);
        QCOMPARE(tt.storedNames(), stored);
        menu.hide();
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
