#include "data/BalanceRule.h"
#include "data/DataSource.h"
#include "data/Dataset.h"
#include "data/Field.h"
#include "data/SqliteStore.h"
#include "data/TableDef.h"
#include "text/ActiveSettings.h"
#include "text/BirthdayText.h"
#include "text/Errors.h"
#include "ui/controls/DBCheckBox.h"
#include "ui/controls/DBEdit.h"
#include "ui/controls/DBMemo.h"
#include "ui/controls/DBText.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace ravik;

Q_DECLARE_METATYPE(ravik::Dataset::State)

namespace ravik {
// Names the states in failure messages.
char* toString(Dataset::State s) {
    static const char* const names[] = {"inactive", "browse", "edit", "insert"};
    return qstrdup(names[int(s)]);
}
} // namespace ravik

namespace {

using State = Dataset::State;

const QString kYearRefusal =
    QStringLiteral("Invalid input value.  Use escape key to abandon changes");

// Fresh customer and settings tables, their data sources, and a shown window to put controls in.
// `other` is a plain box to move the focus to.
struct Form {
    QTemporaryDir dir;
    Dataset customers{customerTableDef()};
    Dataset settings{settingsTableDef()};
    DataSource customerSource;
    DataSource settingsSource;
    QWidget window;
    QLineEdit* other = new QLineEdit;

    Form() {
        SqliteStore::createFile(dir.filePath("Veri.db"), customerTableDef());
        SqliteStore::createFile(dir.filePath("Ayar.db"), settingsTableDef());
        customers.setDirectory(dir.path());
        customers.setCalcFields(applyBalanceRule);
        customers.open();
        settings.setDirectory(dir.path());
        settings.open();
        customerSource.setDataSet(&customers);
        settingsSource.setDataSet(&settings);
        (new QVBoxLayout(&window))->addWidget(other);
    }

    // A stored record of `table` with these values, current.
    void store(Dataset& table, const QVariantMap& values) {
        table.append();
        for (auto it = values.begin(); it != values.end(); ++it)
            table.fieldByName(it.key())->setValue(it.value());
        table.post();
    }
    Dataset& tableOf(const QString& fieldName) {
        return settings.def().indexOf(fieldName) >= 0 ? settings : customers;
    }

    template <class Control> Control* add(const QString& fieldName) {
        auto* c = new Control;
        window.layout()->addWidget(c);
        Dataset& table = tableOf(fieldName);
        c->setDataSource(&table == &settings ? &settingsSource : &customerSource);
        c->setDataField(fieldName);
        return c;
    }
    DBEdit* birthdayBox() {
        auto* box = add<DBEdit>("DogumGunu");
        box->setBirthdayMask(true);
        return box;
    }

    bool show() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // Moves the focus away; the refusal a control raises on leaving, if any. In the program the
    // application's notify() shows it; here it comes back through setFocus().
    QString leave() {
        try {
            other->setFocus(Qt::TabFocusReason);
        } catch (const Error& e) {
            return e.message();
        }
        return {};
    }
};

// Whether Escape got past a control to its window.
struct EscapeWatch : QObject {
    bool reached = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
            reached = true;
        return false;
    }
};

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setActiveFormat(FormatSettings::turkish()); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void fitBirthday_data();
    void fitBirthday();
    void fillBirthdayTemplate_data();
    void fillBirthdayTemplate();

    void numberBoxShows_data();
    void numberBoxShows();
    void typedKeys_data();
    void typedKeys();
    void handOverOnLeaving_data();
    void handOverOnLeaving();
    void handOverOnPost();
    void firstKeyStartsEdit_data();
    void firstKeyStartsEdit();
    void escape_data();
    void escape();
    void balanceFollowsFee();
    void calculatedBoxNeverEdits();

    void birthdayDisplay_data();
    void birthdayDisplay();
    void birthdayTyping_data();
    void birthdayTyping();
    void birthdayRefusalOnPost();
    void birthdayEscapeRestores();
    void birthdayKeepsTenCharacters();

    void memoHandsOverOnLeaving();
    void memoEscapeAndRefusedEdit();

    void checkBoxShows_data();
    void checkBoxShows();
    void checkBoxClicks_data();
    void checkBoxClicks();
    void checkBoxHandsOverOnPost();
    void checkBoxEscapeAndRefusedEdit();

    void textLabelFollowsRecord();
};

// --- birthday text ---------------------------------------------------------------------------

void ControlsTest::fitBirthday_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("fitted");
    const auto row = [](const char* name, const char* stored, const char* fitted) {
        QTest::newRow(name) << QString(stored) << QString(fitted);
    };
    row("full", "28.04.2005", "28.04.2005");
    row("single digits", "1.4.2005", " 1. 4.2005");
    row("empty", "", "  .  .    ");
    row("year only", "2005", "  .  .2005");
    row("month and year", "4.2005", "  . 4.2005");
    row("blanks kept", "  .  .2005", "  .  .2005");
    row("long groups show their right end", "123.4567.20051", "23.67.0051");
    row("short year", "1.4.05", " 1. 4.  05");
    row("trailing separator", "1.4.", " 1. 4.    ");
    row("extra group on the left", "9.1.4.2005", " 1. 4.2005");
    row("other separator is no separator", "1/4/2005", "  .  .2005");
}

void ControlsTest::fitBirthday() {
    QFETCH(QString, stored);
    QFETCH(QString, fitted);
    QCOMPARE(ravik::fitBirthday(stored, QLatin1Char('.')), fitted);
}

void ControlsTest::fillBirthdayTemplate_data() {
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("firstEmptyYear");
    const auto row = [](const char* name, const char* boxText, const char* stored, int gap) {
        QTest::newRow(name) << QString(boxText) << QString(stored) << gap;
    };
    row("full", "28.04.2005", "28.04.2005", -1);
    row("year only", "__.__.2005", "  .  .2005", -1);
    row("gaps in day and month", "_1._4.2005", " 1. 4.2005", -1);
    row("no year", "28.04.____", "28.04.    ", 6);
    row("half a year", "28.04.20__", "28.04.20  ", 8);
    row("gap inside the year", "28.04.2_05", "28.04.2 05", 7);
    row("short text", "28.04", "28.04.    ", 6);
    row("separators put in place", "28-04-2005", "28.04.2005", -1);
}

void ControlsTest::fillBirthdayTemplate() {
    QFETCH(QString, boxText);
    QFETCH(QString, stored);
    QFETCH(int, firstEmptyYear);
    QCOMPARE(ravik::fillBirthdayTemplate(boxText, QLatin1Char('.')), stored);
    QCOMPARE(firstEmptyYearPosition(boxText), firstEmptyYear);
}

// --- edit boxes ------------------------------------------------------------------------------

void ControlsTest::numberBoxShows_data() {
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("edited");
    const auto row = [](const char* name, const char* field, QVariant value, const char* shown,
                        const char* edited) {
        QTest::newRow(name) << QString(field) << value << QString(shown) << QString(edited);
    };
    row("money", "Ucret", 1234.5, "₺1.234,50", "1234,50");
    row("negative money", "Alinan", -5.0, "-₺5,00", "-5,00");
    row("empty money", "Ucret", {}, "", "");
    row("days", "Gun", 2.5, "2,5", "2,5");
    row("empty days", "Gun", {}, "", "");
}

void ControlsTest::numberBoxShows() {
    QFETCH(QString, fieldName);
    QFETCH(QVariant, value);
    QFETCH(QString, shown);
    QFETCH(QString, edited);
    Form f;
    f.store(f.tableOf(fieldName), {{fieldName, value}});
    auto* box = f.add<DBEdit>(fieldName);
    QVERIFY(f.show());
    QCOMPARE(box->text(), shown);
    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->text(), edited);
    QCOMPARE(box->selectedText(), edited);
    QCOMPARE(f.leave(), QString());
    QCOMPARE(box->text(), shown);
}

void ControlsTest::typedKeys_data() {
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("accepted");
    const auto row = [](const char* name, const char* field, const char* typed,
                        const char* accepted) {
        QTest::newRow(name) << QString(field) << QString(typed) << QString(accepted);
    };
    row("money takes number characters", "Ucret", "-12,5E+3e", "-12,5E+3e");
    row("money drops other keys", "Ucret", "1a2 .3/", "123");
    row("days drop letters", "Gun", "x7y", "7");
    row("text takes everything", "Tel1", "0(212) 555-12.34/a", "0(212) 555-12.34/a");
}

void ControlsTest::typedKeys() {
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, accepted);
    Form f;
    auto* box = f.add<DBEdit>(fieldName);
    QVERIFY(f.show());
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), accepted);
}

void ControlsTest::handOverOnLeaving_data() {
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<QString>("refusal");
    const auto row = [](const char* name, const char* field, QVariant before, const QString& typed,
                        QVariant after) {
        QTest::newRow(name) << QString(field) << before << typed << after << QString();
    };
    const auto refused = [](const char* name, const char* field, QVariant before,
                            const char* typed) {
        QTest::newRow(name)
            << QString(field) << before << QString(typed) << before
            << QString("'%1' is not a valid floating point value for field '%2'").arg(typed, field);
    };
    row("money", "Ucret", {}, "12,5", 12.5);
    row("empty text empties money", "Ucret", 7.0, "", {});
    refused("money not a number", "Alinan", 7.0, "1-2");
    row("negative days", "Gun", {}, "-3", -3.0);
    row("fractional days", "Gun", {}, "2,5", 2.5);
    refused("days not a number", "Gun", 1.0, "E");
    row("name stops at 50", "Isim", {}, QString(60, 'a'), QString(50, 'a'));
    row("note stops at 255", "Not1", {}, QString(300, 'n'), QString(255, 'n'));
}

void ControlsTest::handOverOnLeaving() {
    QFETCH(QString, fieldName);
    QFETCH(QVariant, before);
    QFETCH(QString, typed);
    QFETCH(QVariant, after);
    QFETCH(QString, refusal);
    Form f;
    Dataset& table = f.tableOf(fieldName);
    f.store(table, {{fieldName, before}});
    auto* box = f.add<DBEdit>(fieldName);
    QVERIFY(f.show());
    box->setFocus(Qt::TabFocusReason);
    if (typed.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, typed);
    QCOMPARE(table.state(), State::Edit);
    QCOMPARE(table.fieldByName(fieldName)->value(), before); // nothing handed over yet

    QCOMPARE(f.leave(), refusal);
    QCOMPARE(table.fieldByName(fieldName)->value(), after);
    QCOMPARE(box->hasFocus(), !refusal.isEmpty());
    if (!refusal.isEmpty()) {
        QCOMPARE(box->selectedText(), typed);
        QCOMPARE(table.state(), State::Edit);
    }
}

void ControlsTest::handOverOnPost() {
    Form f;
    auto* fee = f.add<DBEdit>("Ucret");
    QVERIFY(f.show());
    fee->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(fee, "1,2,3");
    try {
        f.customers.post();
        QFAIL("post took a text that is not a number");
    } catch (const ConvertError& e) {
        QCOMPARE(e.message(), "'1,2,3' is not a valid floating point value for field 'Ucret'");
    }
    QCOMPARE(f.customers.state(), State::Insert);
    QVERIFY(fee->hasFocus());
    QCOMPARE(fee->selectedText(), "1,2,3");

    QTest::keyClicks(fee, "45");
    f.customers.post();
    QCOMPARE(f.customers.state(), State::Browse);
    QCOMPARE(f.customers.fieldByName("Ucret")->asFloat(), 45.0);
    QCOMPARE(fee->text(), "45,00"); // still focused: the edit text
}

void ControlsTest::firstKeyStartsEdit_data() {
    QTest::addColumn<bool>("hasRecord");
    QTest::addColumn<bool>("autoEdit");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<State>("state");
    QTest::newRow("typing on a record") << true << true << int(Qt::Key_X) << "Alix" << State::Edit;
    QTest::newRow("typing on an empty table")
        << false << true << int(Qt::Key_X) << "x" << State::Insert;
    QTest::newRow("backspace") << true << true << int(Qt::Key_Backspace) << "Al" << State::Edit;
    QTest::newRow("delete") << true << true << int(Qt::Key_Delete) << "Ali" << State::Edit;
    QTest::newRow("cursor keys are no change")
        << true << true << int(Qt::Key_Left) << "Ali" << State::Browse;
    QTest::newRow("edit refused drops the key")
        << true << false << int(Qt::Key_X) << "Ali" << State::Browse;
}

void ControlsTest::firstKeyStartsEdit() {
    QFETCH(bool, hasRecord);
    QFETCH(bool, autoEdit);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(State, state);
    Form f;
    if (hasRecord)
        f.store(f.customers, {{"Isim", "Ali"}});
    f.customerSource.setAutoEdit(autoEdit);
    auto* box = f.add<DBEdit>("Isim");
    QVERIFY(f.show());
    box->setFocus(Qt::MouseFocusReason);
    box->end(false);
    QTest::keyClick(box, Qt::Key(key));
    QCOMPARE(f.customers.state(), state);
    QCOMPARE(box->text(), text);
}

void ControlsTest::escape_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("passedOn");
    QTest::newRow("undoes a change") << "zz" << false;
    QTest::newRow("nothing to undo") << "" << true;
}

void ControlsTest::escape() {
    QFETCH(QString, typed);
    QFETCH(bool, passedOn);
    Form f;
    f.store(f.customers, {{"Ucret", 10.0}});
    auto* box = f.add<DBEdit>("Tel1");
    EscapeWatch watch;
    f.window.installEventFilter(&watch);
    QVERIFY(f.show());
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(watch.reached, passedOn);
    QCOMPARE(box->text(), "");
    QCOMPARE(f.leave(), QString());
    QVERIFY(f.customers.fieldByName("Tel1")->isNull());
}

void ControlsTest::balanceFollowsFee() {
    Form f;
    f.store(f.customers, {{"Isim", "Ali"}, {"Alinan", 30.0}});
    auto* fee = f.add<DBEdit>("Ucret");
    auto* balance = f.add<DBEdit>("Kalan");
    QVERIFY(f.show());
    QCOMPARE(balance->text(), QString::fromUtf8("-₺30,00"));

    fee->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(fee, "100");
    QCOMPARE(balance->text(), QString::fromUtf8("-₺30,00"));
    QCOMPARE(f.leave(), QString());
    QCOMPARE(balance->text(), QString::fromUtf8("₺70,00"));

    fee->setFocus(Qt::TabFocusReason);
    QTest::keyClick(fee, Qt::Key_Backspace);
    QCOMPARE(f.leave(), QString());
    QCOMPARE(balance->text(), QString::fromUtf8("-₺30,00"));
}

void ControlsTest::calculatedBoxNeverEdits() {
    Form f;
    f.store(f.customers, {{"Ucret", 5.0}});
    auto* balance = f.add<DBEdit>("Kalan");
    QVERIFY(f.show());
    balance->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(balance, "12");
    QTest::keyClick(balance, Qt::Key_Backspace);
    QTest::keyClick(balance, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.customers.state(), State::Browse);
    QCOMPARE(balance->text(), "5,00");
    // Shown like the other boxes: not disabled, so the text is not greyed.
    QVERIFY(balance->isEnabled());
}

// --- birthday box ----------------------------------------------------------------------------

void ControlsTest::birthdayDisplay_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("focused");
    const auto row = [](const char* name, QVariant stored, const char* shown, const char* focused) {
        QTest::newRow(name) << stored << QString(shown) << QString(focused);
    };
    row("single digits", "1.4.2005", " 1. 4.2005", "_1._4.2005");
    row("empty", {}, "  .  .    ", "__.__.____");
    row("year only", "  .  .2005", "  .  .2005", "__.__.2005");
}

void ControlsTest::birthdayDisplay() {
    QFETCH(QVariant, stored);
    QFETCH(QString, shown);
    QFETCH(QString, focused);
    Form f;
    f.store(f.customers, {{"DogumGunu", stored}, {"Isim", "Ali"}});
    auto* box = f.birthdayBox();
    QVERIFY(f.show());
    QCOMPARE(box->displayText(), shown);
    QCOMPARE(box->birthdayText(), shown);
    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->displayText(), focused);
    QCOMPARE(box->birthdayText(), shown);
    QCOMPARE(f.leave(), QString()); // unchanged: an empty year is no reason to refuse
    QCOMPARE(box->displayText(), shown);
    QCOMPARE(f.customers.fieldByName("DogumGunu")->value(), stored);
}

void ControlsTest::birthdayTyping_data() {
    QTest::addColumn<int>("start"); // where the caret stands before typing
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<int>("cursor");     // where a refusal puts the cursor
    const auto row = [](const char* name, int start, const char* typed, const char* stored,
                        int cursor) {
        QTest::newRow(name) << start << QString(typed) << QString(stored) << cursor;
    };
    row("digits only", 0, "28042005", "28.04.2005", 0);
    row("separators after full groups", 0, "28.04.2005", "28.04.2005", 0);
    row("single-digit day and month", 0, "1.4.2005", " 1. 4.2005", 0);
    row("single-digit month", 0, "28.4.2005", "28. 4.2005", 0);
    row("year only", 0, "..2005", "  .  .2005", 0);
    row("year typed in its place", 6, "2005", "  .  .2005", 0);
    row("letters and blanks dropped", 0, "2a8 0x4-2005", "28.04.2005", 0);
    row("separator in the year does nothing", 0, "1.4.20.05", " 1. 4.2005", 0);
    row("day and month only", 0, "2804", "", 6);
    row("half a year", 0, "1.4.20", "", 8);
}

void ControlsTest::birthdayTyping() {
    QFETCH(int, start);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(int, cursor);
    Form f; // an empty table: the first key inserts a record and shows it again
    auto* box = f.birthdayBox();
    QVERIFY(f.show());
    box->setFocus(Qt::TabFocusReason);
    box->setCursorPosition(start);
    QTest::keyClicks(box, typed);
    QCOMPARE(f.customers.state(), State::Insert);

    const QString refusal = f.leave();
    if (stored.isEmpty()) {
        QCOMPARE(refusal, kYearRefusal);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->cursorPosition(), cursor);
        QVERIFY(f.customers.fieldByName("DogumGunu")->isNull());
    } else {
        QCOMPARE(refusal, QString());
        QCOMPARE(f.customers.fieldByName("DogumGunu")->asString(), stored);
        QCOMPARE(box->displayText(), stored);
    }
}

void ControlsTest::birthdayRefusalOnPost() {
    Form f;
    auto* box = f.birthdayBox();
    QVERIFY(f.show());
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, "0102195");
    QCOMPARE(f.customers.state(), State::Insert);
    try {
        f.customers.post();
        QFAIL("post took an incomplete year");
    } catch (const ConvertError& e) {
        QCOMPARE(e.message(), kYearRefusal);
    }
    QCOMPARE(f.customers.state(), State::Insert);
    QCOMPARE(box->cursorPosition(), 9);
    QTest::keyClicks(box, "7");
    f.customers.post();
    QCOMPARE(f.customers.fieldByName("DogumGunu")->asString(), "01.02.1957");
}

void ControlsTest::birthdayEscapeRestores() {
    Form f;
    f.store(f.customers, {{"DogumGunu", "28.04.2005"}});
    auto* box = f.birthdayBox();
    QVERIFY(f.show());
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, "11");
    QCOMPARE(box->displayText(), "11.04.2005");
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(box->displayText(), "28.04.2005");
    QCOMPARE(box->selectedText(), "28.04.2005");
    QCOMPARE(f.leave(), QString());
    QCOMPARE(f.customers.fieldByName("DogumGunu")->asString(), "28.04.2005");
}

void ControlsTest::birthdayKeepsTenCharacters() {
    Form f;
    f.store(f.customers, {{"Isim", "Ali"}});
    auto* box = f.birthdayBox();
    QVERIFY(f.show());
    f.customers.edit();
    f.customers.fieldByName("DogumGunu")->setAsString("12.03.2004 and more!");
    QCOMPARE(f.customers.fieldByName("DogumGunu")->asString(), "12.03.2004");
    QCOMPARE(box->displayText(), "12.03.2004");
}

// --- memo ------------------------------------------------------------------------------------

void ControlsTest::memoHandsOverOnLeaving() {
    Form f;
    f.store(f.customers, {{"Detay", "ilk"}});
    auto* memo = f.add<DBMemo>("Detay");
    QVERIFY(f.show());
    QCOMPARE(memo->toPlainText(), "ilk");
    memo->setFocus(Qt::TabFocusReason);
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "ikinci");
    QCOMPARE(f.customers.state(), State::Edit);
    QCOMPARE(f.customers.fieldByName("Detay")->asString(), "ilk");
    QCOMPARE(f.leave(), QString());
    QCOMPARE(f.customers.fieldByName("Detay")->asString(), "ilk\nikinci");
    f.customers.post();
    QCOMPARE(memo->toPlainText(), "ilk\nikinci");
}

void ControlsTest::memoEscapeAndRefusedEdit() {
    Form f;
    auto* memo = f.add<DBMemo>("Adres");
    QVERIFY(f.show());
    memo->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(memo, "Cad.");
    QCOMPARE(f.customers.state(), State::Insert);
    QCOMPARE(memo->toPlainText(), "Cad.");
    QTest::keyClick(memo, Qt::Key_Escape);
    QCOMPARE(memo->toPlainText(), "");
    f.customers.cancel();

    f.customerSource.setAutoEdit(false);
    QTest::keyClicks(memo, "x");
    QCOMPARE(memo->toPlainText(), "");
    QCOMPARE(f.customers.state(), State::Browse);
}

// --- check box -------------------------------------------------------------------------------

void ControlsTest::checkBoxShows_data() {
    QTest::addColumn<bool>("hasRow");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<Qt::CheckState>("shown");
    QTest::newRow("true") << true << QVariant(true) << Qt::Checked;
    QTest::newRow("false") << true << QVariant(false) << Qt::Unchecked;
    QTest::newRow("empty") << true << QVariant() << Qt::PartiallyChecked;
    QTest::newRow("no row") << false << QVariant() << Qt::PartiallyChecked;
}

void ControlsTest::checkBoxShows() {
    QFETCH(bool, hasRow);
    QFETCH(QVariant, stored);
    QFETCH(Qt::CheckState, shown);
    Form f;
    if (hasRow)
        f.store(f.settings, {{"Aktif", stored}});
    auto* box = f.add<DBCheckBox>("Aktif");
    QCOMPARE(box->checkState(), shown);
}

void ControlsTest::checkBoxClicks_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("bySpace");
    QTest::addColumn<Qt::CheckState>("shown");
    QTest::newRow("empty to checked") << QVariant() << 1 << false << Qt::Checked;
    QTest::newRow("unchecked to checked") << QVariant(false) << 1 << false << Qt::Checked;
    QTest::newRow("checked to unchecked") << QVariant(true) << 1 << false << Qt::Unchecked;
    QTest::newRow("empty, twice") << QVariant() << 2 << false << Qt::Unchecked;
    QTest::newRow("empty, three times") << QVariant() << 3 << false << Qt::Checked;
    QTest::newRow("space") << QVariant(false) << 1 << true << Qt::Checked;
}

void ControlsTest::checkBoxClicks() {
    QFETCH(QVariant, stored);
    QFETCH(int, clicks);
    QFETCH(bool, bySpace);
    QFETCH(Qt::CheckState, shown);
    Form f;
    f.store(f.settings, {{"Aktif", stored}});
    auto* box = f.add<DBCheckBox>("Aktif");
    box->setText("Aktif:");
    box->setCaptionLeft(true);
    QVERIFY(f.show());
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    box->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < clicks; ++i) {
        if (bySpace)
            QTest::keyClick(box, Qt::Key_Space);
        else
            QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
    }
    QCOMPARE(box->checkState(), shown);
    QCOMPARE(f.settings.state(), State::Edit);
    QCOMPARE(f.settings.fieldByName("Aktif")->value(), stored); // not yet handed over
    QCOMPARE(f.leave(), QString());
    QCOMPARE(f.settings.fieldByName("Aktif")->value(), QVariant(shown == Qt::Checked));
}

void ControlsTest::checkBoxHandsOverOnPost() {
    Form f;
    auto* box = f.add<DBCheckBox>("Aktif");
    QVERIFY(f.show());
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(f.settings.state(), State::Insert);
    QVERIFY(f.settings.fieldByName("Aktif")->isNull());
    f.settings.post();
    QCOMPARE(f.settings.fieldByName("Aktif")->value(), QVariant(true));
    QCOMPARE(f.settings.recordCount(), 1);
    QVERIFY(f.settings.fieldByName("Gun")->isNull());
}

void ControlsTest::checkBoxEscapeAndRefusedEdit() {
    Form f;
    f.store(f.settings, {{"Aktif", false}});
    auto* box = f.add<DBCheckBox>("Aktif");
    EscapeWatch watch;
    f.window.installEventFilter(&watch);
    QVERIFY(f.show());
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QVERIFY(!watch.reached);
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(watch.reached);
    f.settings.cancel();

    f.settingsSource.setAutoEdit(false);
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QCOMPARE(f.settings.state(), State::Browse);
}

// --- text label ------------------------------------------------------------------------------

void ControlsTest::textLabelFollowsRecord() {
    Form f;
    f.store(f.customers, {{"Tel1", "555 <b>1</b>"}, {"Ucret", 1234.5}});
    f.store(f.customers, {{"Tel1", "212"}});
    f.customers.first();
    auto* phone = f.add<DBText>("Tel1");
    auto* fee = f.add<DBText>("Ucret");
    QCOMPARE(phone->text(), "555 <b>1</b>");
    QCOMPARE(phone->textFormat(), Qt::PlainText);
    QCOMPARE(fee->text(), QString::fromUtf8("₺1.234,50"));
    f.customers.edit();
    f.customers.fieldByName("Ucret")->setAsFloat(2);
    QCOMPARE(fee->text(), QString::fromUtf8("₺2,00"));
    f.customers.next();
    QCOMPARE(phone->text(), "212");
    QCOMPARE(fee->text(), "");
}

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
