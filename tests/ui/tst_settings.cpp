// The reminder settings window.
#include "UiFixture.h"

#include "ui/Application.h"
#include "ui/Menu.h"
#include "ui/Ravikayar.h"
#include "ui/controls/DBCheckBox.h"
#include "ui/controls/DBEdit.h"

#include <QPushButton>

using namespace ravik;

namespace {

struct Stored {
    QVariant gun, aktif;
    int rows = 0;
};

Stored stored(const UiTables& tt) {
    Stored s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "settings");
        db.setDatabaseName(tt.path("Ayar.db"));
        db.open();
        QSqlQuery q("SELECT Gun, Aktif FROM Ayar ORDER BY rowid", db);
        while (q.next()) {
            if (s.rows++ == 0) {
                s.gun = q.value(0);
                s.aktif = q.value(1);
            }
        }
    }
    QSqlDatabase::removeDatabase("settings");
    return s;
}

// The main window and its settings window, the latter open (not blocking).
struct Open {
    TMenu1 menu;
    TAyarlar1 settings;
    DBEdit* days;
    DBCheckBox* active;
    QPushButton* save;
    explicit Open(const UiTables& tt) : menu(tt.dir.path()), settings(&menu) {
        Prompts::instance().modalRunner = [](QDialog* d) {
            d->show();
            return 0;
        };
        menu.show();
        menu.SpeedButton6Click();
        days = settings.findChild<DBEdit*>("DBEdit1");
        active = settings.findChild<DBCheckBox*>("DBCheckBox1");
        save = settings.findChild<QPushButton*>("Button1");
        settings.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&settings));
    }
    ~Open() {
        Prompts::instance().modalRunner = nullptr;
        settings.hide();
        menu.hide();
    }
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void emptyTableShowsNothingAndSavesAnEmptyRow() {
        UiTables tt;
        tt.sql("Ayar.db", {"DELETE FROM Ayar"});
        Open w(tt);
        QCOMPARE(w.days->text(), QString());
        QCOMPARE(w.active->checkState(), Qt::PartiallyChecked);
        QCOMPARE(w.settings.focusWidget(), w.save); // the first opening starts on Kaydet
        QTest::mouseClick(w.save, Qt::LeftButton);
        QVERIFY(!w.settings.isVisible());
        const Stored s = stored(tt);
        QCOMPARE(s.rows, 1);
        QVERIFY(s.gun.isNull());
        QVERIFY(s.aktif.isNull());
    }

    void storedAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("gun");
        QTest::newRow("five") << "5" << QVariant(5.0);
        QTest::newRow("negative") << "-3" << QVariant(-3.0);
        QTest::newRow("fraction") << "2,5" << QVariant(2.5);
        QTest::newRow("exponent") << "1E2" << QVariant(100.0);
        QTest::newRow("emptied") << "" << QVariant();
    }

    void storedAsTyped() {
        QFETCH(QString, typed);
        UiTables tt;
        Open w(tt);
        QCOMPARE(w.days->text(), QString("0"));
        QCOMPARE(w.active->checkState(), Qt::Checked);
        w.days->setFocus();
        w.days->selectAll();
        QTest::keyClick(w.days, Qt::Key_Delete);
        QTest::keyClicks(w.days, typed + "x"); // a letter is refused with a beep
        QCOMPARE(w.days->text(), typed);
        QTest::mouseClick(w.save, Qt::LeftButton);
        QCOMPARE(shownErrors(), QStringList{});
        QVERIFY(!w.settings.isVisible());
        QFETCH(QVariant, gun);
        const Stored s = stored(tt);
        QCOMPARE(s.gun.isNull(), gun.isNull());
        QCOMPARE(s.gun.toDouble(), gun.toDouble());
        QCOMPARE(s.aktif.toInt(), 1);
    }

    void refusedTextKeepsTheWindowOpen() {
        UiTables tt;
        Open w(tt);
        w.days->setFocus();
        w.days->selectAll();
        QTest::keyClicks(w.days, "1-2");
        QTest::mouseClick(w.save, Qt::LeftButton);
        // Shown once: the refused box keeps the focus, so the click does not go on. (No full
        // stop: the text ends in a quote.)
        QCOMPARE(shownErrors(),
                 QStringList{"'1-2' is not a valid floating point value for field 'Gun'"});
        QVERIFY(w.settings.isVisible());
        QCOMPARE(QApplication::focusWidget(), w.days);
        QCOMPARE(w.menu.Table2->fieldByName("Gun")->asFloat(), 0.0);
        QCOMPARE(stored(tt).gun.toDouble(), 0.0);
    }

    void closeBoxLeavesThePendingEdit() {
        UiTables tt;
        Open w(tt);
        w.active->setFocus();
        QTest::keyClick(w.active, Qt::Key_Space); // checked -> unchecked
        QCOMPARE(w.active->checkState(), Qt::Unchecked);
        w.settings.close();
        QCOMPARE(w.active->checkState(), Qt::Unchecked);
        QCOMPARE(w.menu.Table2->state(), Dataset::State::Edit);
        QCOMPARE(w.menu.Table2->fieldByName("Aktif")->asBoolean(), true); // not carried
        QCOMPARE(stored(tt).aktif.toInt(), 1);
    }

    void movedFocusCarriesTheNumberBeforeSaving() {
        UiTables tt;
        Open w(tt);
        w.days->setFocus();
        w.days->selectAll();
        QTest::keyClicks(w.days, "7");
        w.active->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.menu.Table2->fieldByName("Gun")->asFloat(), 7.0); // what a scan reads
        QCOMPARE(stored(tt).gun.toDouble(), 0.0);
        w.settings.close();
        QCOMPARE(w.menu.Table2->state(), Dataset::State::Edit);
    }

    void severalRowsTouchOnlyTheFirst() {
        UiTables tt;
        tt.sql("Ayar.db", {"INSERT INTO Ayar (Gun, Aktif) VALUES (9, 0)"});
        Open w(tt);
        w.days->setFocus();
        w.days->selectAll();
        QTest::keyClicks(w.days, "4");
        QTest::mouseClick(w.save, Qt::LeftButton);
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "rows");
        db.setDatabaseName(tt.path("Ayar.db"));
        db.open();
        QSqlQuery q("SELECT Gun FROM Ayar ORDER BY rowid", db);
        QStringList gun;
        while (q.next())
            gun << q.value(0).toString();
        QCOMPARE(gun, (QStringList{"4", "9"}));
        q = QSqlQuery();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("rows");
    }
};

int main(int argc, char** argv) {
    ravik::Application app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
