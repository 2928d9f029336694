// The main window's record commands: add, save, cancel, delete, search, calendar.
#include "UiFixture.h"

#include "text/ActiveSettings.h"
#include "ui/Menu.h"
#include "ui/controls/DBEdit.h"
#include "ui/controls/DatePicker.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QToolButton>

using namespace ravik;

namespace {

// "normal" or "editing": what the tool bar shows.
QString look(const TMenu1& menu) {
    const auto* add = menu.findChild<QToolButton*>("SpeedButton1");
    const auto* find = menu.findChild<QToolButton*>("SpeedButton2");
    const auto* save = menu.findChild<QToolButton*>("SpeedButton3");
    const auto* cancel = menu.findChild<QToolButton*>("SpeedButton4");
    if (add->isEnabled() && find->isEnabled() && save->isHidden() && cancel->isHidden())
        return "normal";
    if (!add->isEnabled() && !find->isEnabled() && !save->isHidden() && !cancel->isHidden())
        return "editing";
    return "mixed";
}

const QString kNothingToDelete = "RavikPro: Silinecek Kayıt Buluamadı!\rOlmayan Kayıt nasıl "
                                 "silinir söylermisiniz!\rEhüehüehü  :->";

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void init() { setActiveFormat(FormatSettings::turkish()); }

    void addThenCancel() {
        UiTables tt;
        tt.addCustomers({"Ali"});
        TMenu1 menu(tt.dir.path());
        menu.SpeedButton1Click();
        QCOMPARE(look(menu), QString("editing"));
        QCOMPARE(menu.Table1->viewRowCount(), 2);
        menu.SpeedButton4Click();
        QCOMPARE(look(menu), QString("normal"));
        QCOMPARE(menu.Table1->viewRowCount(), 1);
        menu.SpeedButton4Click(); // in browse: nothing
        QCOMPARE(tt.storedNames(), QStringList{"Ali"});
    }

    void typingGivesEditingLookAndMovingSaves() {
        UiTables tt;
        tt.addCustomers({"Ali", "Berk"});
        TMenu1 menu(tt.dir.path());
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        auto* name = menu.findChild<DBEdit*>("DBEdit1");
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, "C");
        QCOMPARE(look(menu), QString("editing"));
        QTest::keyClicks(name, "an");
        menu.Table1->next(); // another customer chosen in the list
        QCOMPARE(look(menu), QString("normal"));
        QCOMPARE(tt.storedNames(), (QStringList{"Can", "Berk"}));
        menu.hide();
    }

    void saveStoresAndFailsInBrowse() {
        UiTables tt;
        TMenu1 menu(tt.dir.path());
        menu.SpeedButton1Click();
        menu.Table1->fieldByName("Isim")->setAsString("Cem");
        menu.Table1->fieldByName("Ucret")->setAsString("150");
        menu.SpeedButton3Click();
        QCOMPARE(look(menu), QString("normal"));
        QCOMPARE(tt.storedNames(), QStringList{"Cem"});
        try {
            menu.SpeedButton3Click();
            QFAIL("saved in browse");
        } catch (const Error& e) {
            QCOMPARE(e.message(), QString("Table1: Dataset not in edit or insert mode"));
        }
    }

    void deleting_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("before"); // "", "append", "edit", "filter"
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("look");
        const QStringList ab{"Ali", "Berk"};
        QTest::newRow("answered No")
            << ab << "" << int(QMessageBox::No) << QStringList{} << ab << "browse"
            << "normal";
        QTest::newRow("answered Yes")
            << ab << "" << int(QMessageBox::Yes) << QStringList{} << QStringList{"Berk"} << "browse"
            << "normal";
        QTest::newRow("empty table") << QStringList{} << "" << int(QMessageBox::Yes)
                                     << QStringList{kNothingToDelete} << QStringList{} << "browse"
                                     << "normal";
        QTest::newRow("filter hides everyone") << ab << "filter" << int(QMessageBox::Yes)
                                               << QStringList{kNothingToDelete} << ab << "browse"
                                               << "normal";
        QTest::newRow("new record of a non-empty table dropped")
            << ab << "append" << int(QMessageBox::Yes) << QStringList{} << ab << "browse"
            << "normal";
        QTest::newRow("first record of an empty table stays")
            << QStringList{} << "append" << int(QMessageBox::Yes) << QStringList{kNothingToDelete}
            << QStringList{} << "insert"
            << "editing";
        // Nothing is left to save or cancel, so the tool bar goes back to normal.
        QTest::newRow("record being edited") << ab << "edit" << int(QMessageBox::Yes)
                                             << QStringList{} << QStringList{"Berk"} << "browse"
                                             << "normal";
    }

    void deleting() {
        QFETCH(QStringList, stored);
        QFETCH(QString, before);
        QFETCH(int, answer);
        UiTables tt;
        tt.addCustomers(stored);
        TMenu1 menu(tt.dir.path());
        if (before == "append")
            menu.SpeedButton1Click();
        else if (before == "edit") {
            menu.Table1->edit();
            menu.Table1->fieldByName("Isim")->setAsString("Changed");
        } else if (before == "filter")
            menu.findChild<QLineEdit*>("Edit1")->setText("zz");
        Prompts::instance().takeAsked();
        Prompts::instance().queueAnswer(QMessageBox::StandardButton(answer));
        menu.SpeedButton5Click();
        const QList<Prompts::Asked> all = Prompts::instance().takeAsked();
        QCOMPARE(all.value(0).caption + ": " + all.value(0).text,
                 QString("Mesaj: Bu Kayıt Silinecek Eminmisiniz?"));
        QStringList told;
        for (const auto& a : all.mid(1))
            told << a.caption + ": " + a.text;
        QFETCH(QStringList, messages);
        QCOMPARE(told, messages);
        QFETCH(QString, look);
        QCOMPARE(::look(menu), look);
        QFETCH(QString, state);
        const bool inserting = menu.Table1->state() == Dataset::State::Insert;
        QCOMPARE(inserting ? QString("insert") : QString("browse"), state);
        QFETCH(QStringList, after);
        QCOMPARE(tt.storedNames(), after);
    }

    void search_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        const QStringList all{"ayla", "Ayşe", "AYTEN", "aYdın", "Işıl", "İpek", "O'Neil", "Zeki"};
        QTest::newRow("letter case") << "ay" << QStringList{"ayla", "Ayşe", "AYTEN", "aYdın"};
        QTest::newRow("capitals") << "AY" << QStringList{"ayla", "Ayşe", "AYTEN", "aYdın"};
        QTest::newRow("dotless") << "ı" << QStringList{"Işıl"};
        QTest::newRow("dotted") << "i" << QStringList{"İpek"};
        QTest::newRow("a quote") << "o'" << QStringList{"O'Neil"};
        QTest::newRow("nothing") << "q" << QStringList{};
        QTest::newRow("empty shows all") << "" << all;
    }

    void search() {
        QFETCH(QString, typed);
        UiTables tt;
        tt.addCustomers({"ayla", "Ayşe", "AYTEN", "aYdın", "Işıl", "İpek", "O'Neil", "Zeki"});
        TMenu1 menu(tt.dir.path());
        auto* box = menu.findChild<QLineEdit*>("Edit1");
        menu.Table1->last();
        for (int i = 1; i <= typed.size(); ++i)
            box->setText(typed.left(i)); // one change per key
        if (typed.isEmpty()) {
            box->setText("x");
            box->setText("");
        }
        QFETCH(QStringList, shown);
        QStringList names;
        for (int row = 0; row < menu.Table1->viewRowCount(); ++row)
            names << menu.Table1->viewName(row);
        QCOMPARE(names, shown);
        QCOMPARE(menu.Table1->recNo(), shown.isEmpty() ? -1 : 1); // the first is current
    }

    void searchBoxVisibilityKeepsTheFilter() {
        UiTables tt;
        tt.addCustomers({"Ali", "Berk"});
        TMenu1 menu(tt.dir.path());
        auto* box = menu.findChild<QLineEdit*>("Edit1");
        QVERIFY(box->isHidden());
        menu.SpeedButton2Click();
        QVERIFY(!box->isHidden());
        box->setText("b");
        menu.SpeedButton2Click();
        QVERIFY(box->isHidden());
        QCOMPARE(menu.Table1->recordCount(), 1);
        menu.SpeedButton2Click();
        QCOMPARE(box->text(), QString("b"));
    }

    void searchDropsUntouchedNewRecord() {
        UiTables tt;
        tt.addCustomers({"Ali", "Berk"});
        TMenu1 menu(tt.dir.path());
        menu.SpeedButton1Click();
        menu.findChild<QLineEdit*>("Edit1")->setText("a");
        QCOMPARE(look(menu), QString("normal"));
        QCOMPARE(menu.Table1->state(), Dataset::State::Browse);
        QCOMPARE(tt.storedNames(), (QStringList{"Ali", "Berk"}));
    }

    void calendar_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QDate>("opensOn");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("reads the birthday")
            << "03.11.1980"
            << "dd.MM.yyyy" << QDate(1980, 11, 3) << "" << QDate(1980, 11, 4) << "04.11.1980";
        QTest::newRow("empty birthday keeps 28 April 2005")
            << ""
            << "dd.MM.yyyy" << QDate(2005, 4, 28) << "'  .  .    ' is not a valid date."
            << QDate(2005, 4, 29) << "29.04.2005";
        QTest::newRow("not a real date")
            << "31.02.2005"
            << "dd.MM.yyyy" << QDate(2005, 4, 28) << "'31.02.2005' is not a valid date." << QDate()
            << "31.02.2005";
        QTest::newRow("shorter format stores the shorter text")
            << ""
            << "d.M.yyyy" << QDate(2005, 4, 28) << "'  .  .    ' is not a valid date."
            << QDate(2005, 4, 1) << "1.4.2005";
    }

    void calendar() {
        QFETCH(QString, stored);
        QFETCH(QString, format);
        FormatSettings fs;
        fs.shortDateFormat = format;
        setActiveFormat(fs);
        UiTables tt;
        tt.sql("Veri.db", {"INSERT INTO Veri (Isim, DogumGunu) VALUES ('Ali', '" + stored + "')"});
        TMenu1 menu(tt.dir.path());
        auto* picker = menu.findChild<DatePicker*>("DateTimePicker1");
        Prompts::instance().takeAsked();
        picker->dropDown();
        QFETCH(QString, error);
        QCOMPARE(shownErrors(), error.isEmpty() ? QStringList{} : QStringList{error});
        QFETCH(QDate, opensOn);
        QCOMPARE(picker->calendar()->selectedDate(), opensOn);
        QFETCH(QDate, picked);
        if (picked.isValid()) {
            emit picker->calendar()->clicked(picked);
            QCOMPARE(menu.Table1->state(), Dataset::State::Edit);
            QCOMPARE(look(menu), QString("editing"));
            menu.SpeedButton3Click();
        }
        QFETCH(QString, storedAfter);
        QCOMPARE(menu.Table1->fieldByName("DogumGunu")->asString(), storedAfter);
        picker->calendar()->window()->hide();
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
