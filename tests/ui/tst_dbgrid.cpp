#include "../db/Fixture.h"
#include "data/DataSource.h"
#include "text/Errors.h"
#include "ui/controls/DBGrid.h"
#include "ui/controls/NameListModel.h"
#include "ui/controls/Prompts.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>

#include <memory>

using ravik::Dataset;

namespace {

QString indicatorFor(Dataset::State s) {
    switch (s) {
    case Dataset::State::Edit:
        return "I";
    case Dataset::State::Insert:
        return "*";
    default:
        return QStringLiteral("\u25B6");
    }
}

// Remembers every row whose name a view asked for.
class CountingModel : public ravik::NameListModel {
public:
    mutable QSet<int> rowsRead;
    QVariant data(const QModelIndex& index, int role) const override {
        rowsRead.insert(index.row());
        return NameListModel::data(index, role);
    }
};

// A fresh customer table, the grid over it in a shown window beside a line edit to take the focus,
// and the model under the item model tester (unless it is too big for its full walks).
struct GridFixture {
    TempTables tables;
    std::unique_ptr<Dataset> table;
    ravik::DataSource source;
    std::unique_ptr<QWidget> window;
    ravik::DBGrid* grid = nullptr;
    QLineEdit* other = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::unique_ptr<QSignalSpy> resets;
    std::unique_ptr<EventLog> log;

    explicit GridFixture(const QStringList& names, ravik::NameListModel* model = nullptr,
                         bool test = true) {
        ravik::Prompts::instance().setScripted(true);
        ravik::Prompts::instance().takeAsked();
        tables.addCustomers(names);
        table = tables.customers();
        source.setDataSet(table.get());

        window = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(window.get());
        grid = model ? new ravik::DBGrid(model, window.get()) : new ravik::DBGrid(window.get());
        grid->setFixedSize(169, 200);
        other = new QLineEdit(window.get());
        layout->addWidget(grid);
        layout->addWidget(other);
        if (test)
            tester = std::make_unique<QAbstractItemModelTester>(
                grid->nameModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid->setDataSource(&source);
        resets = std::make_unique<QSignalSpy>(grid->nameModel(), &QAbstractItemModel::modelReset);

        log = std::make_unique<EventLog>(table.get());

        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus();
    }

    ~GridFixture() {
        window.reset();
        ravik::Prompts::instance().takeAsked();
    }

    ravik::NameListModel* model() const { return grid->nameModel(); }

    // Keys go where the user's keys would: the cell editor when it is open.
    QWidget* keyTarget() const {
        QWidget* w = QApplication::focusWidget();
        return w ? w : grid;
    }

    QWidget* openEditor() const {
        for (auto* e : grid->viewport()->findChildren<QLineEdit*>())
            if (!e->isHidden())
                return e;
        return nullptr;
    }

    void type(const QString& text) const {
        for (QChar c : text) {
            const auto key = c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, keyTarget(), key, QString(c), Qt::NoModifier);
        }
    }

    void clickRow(int row) const {
        const QRect cell = grid->visualRect(model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QStringList shownNames() const {
        QStringList names;
        for (int r = 0; r < model()->rowCount(); ++r)
            names << model()->index(r, 0).data().toString();
        return names;
    }

    // What a fresh reader of the file finds.
    QStringList storedNames() const {
        auto t = tables.customers();
        QStringList names;
        for (int r = 0; r < t->viewRowCount(); ++r)
            names << t->viewName(r);
        return names;
    }

    // The list shows the dataset's view, the current record marked and selected.
    void checkInStep() const {
        if (table->controlsDisabled())
            return;
        const int rows = table->isActive() ? table->viewRowCount() : 0;
        QCOMPARE(model()->rowCount(), rows);
        for (int r = 0; r < rows; ++r)
            QCOMPARE(model()->index(r, 0).data().toString(), table->viewName(r));
        const int cur = table->isActive() ? table->currentViewRow() : -1;
        QCOMPARE(model()->currentRow(), cur);
        QCOMPARE(grid->currentIndex().row(), cur);
        if (cur < 0)
            return;
        QVERIFY(grid->selectionModel()->isRowSelected(cur));
        QCOMPARE(model()->headerData(cur, Qt::Vertical).toString(), indicatorFor(table->state()));
        if (cur + 1 < rows)
            QCOMPARE(model()->headerData(cur + 1, Qt::Vertical).toString(), QString());
    }

    // One step of a script: capitalised words are keys and clicks, lowercase ones act on the
    // dataset directly, as other controls and commands do.
    void act(const QString& token) {
        static const QHash<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {"Up", {Qt::Key_Up, {}}},
            {"Down", {Qt::Key_Down, {}}},
            {"PgUp", {Qt::Key_PageUp, {}}},
            {"PgDn", {Qt::Key_PageDown, {}}},
            {"Home", {Qt::Key_Home, {}}},
            {"End", {Qt::Key_End, {}}},
            {"CtrlHome", {Qt::Key_Home, Qt::ControlModifier}},
            {"Tab", {Qt::Key_Tab, {}}},
            {"Insert", {Qt::Key_Insert, {}}},
            {"CtrlDel", {Qt::Key_Delete, Qt::ControlModifier}},
            {"Esc", {Qt::Key_Escape, {}}},
            {"F2", {Qt::Key_F2, {}}},
            {"Enter", {Qt::Key_Return, {}}},
            {"Backspace", {Qt::Key_Backspace, {}}},
        };
        static const QHash<QString, void (Dataset::*)()> operations = {
            {"append", &Dataset::append},
            {"insert", &Dataset::insert},
            {"edit", &Dataset::edit},
            {"post", &Dataset::post},
            {"cancel", &Dataset::cancel},
            {"delete", &Dataset::deleteRecord},
            {"first", &Dataset::first},
            {"next", &Dataset::next},
            {"last", &Dataset::last},
            {"disable", &Dataset::disableControls},
            {"enable", &Dataset::enableControls},
            {"close", &Dataset::close},
            {"open", &Dataset::open},
        };
        const QString arg = token.section(':', 1);
        if (keys.contains(token)) {
            const auto [key, mods] = keys.value(token);
            QTest::keyClick(keyTarget(), key, mods);
        } else if (token.startsWith('\'')) {
            type(token.mid(1));
        } else if (token.startsWith("Click:")) {
            clickRow(arg.toInt());
        } else if (token.startsWith("DClick:")) {
            const QRect cell = grid->visualRect(model()->index(arg.toInt(), 0));
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        } else if (token == "Focus") {
            other->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), other);
        } else if (token.startsWith("Answer:")) {
            ravik::Prompts::instance().queueAnswer(arg == "Ok" ? QMessageBox::Ok
                                                               : QMessageBox::Cancel);
        } else if (operations.contains(token)) {
            (table.get()->*operations.value(token))();
        } else if (token.startsWith("moveTo:")) {
            table->moveTo(arg.toInt());
        } else if (token.startsWith("name=")) {
            table->fieldByName("Isim")->setAsString(token.mid(5));
        } else if (token.startsWith("filter=")) {
            table->setFilterText("[Isim]='" + token.mid(7) + "'");
            table->setFiltered(true);
        } else if (token == "unfilter") {
            table->setFiltered(false);
        } else {
            QFAIL(qPrintable("unknown step " + token));
        }
    }

    void run(const QString& script) {
        for (const QString& token : script.split(' ', Qt::SkipEmptyParts)) {
            act(token);
            // What the view queues for itself (Enter closes the editor that way) runs before the
            // next thing the user does.
            QCoreApplication::processEvents();
            if (QTest::currentTestFailed())
                return;
            checkInStep();
            if (QTest::currentTestFailed()) {
                qWarning("after step %s", qPrintable(token));
                return;
            }
        }
    }
};

QStringList questionsAsked() {
    QStringList texts;
    for (const auto& a : ravik::Prompts::instance().takeAsked()) {
        if (a.kind == "question") {
            if (a.caption != "RavikPro")
                texts << "caption " + a.caption;
            texts << a.text;
        }
    }
    return texts;
}

} // namespace

class TestDBGrid : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void keysAndClicks_data();
    void keysAndClicks();
    void otherControls_data();
    void otherControls();
    void pageKeys();
    void refusedPostKeepsRecord_data();
    void refusedPostKeepsRecord();
    void windowSignals_data();
    void windowSignals();
    void fitsItsWidth();
    void millionsStayLazy();
};

void TestDBGrid::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
}

void TestDBGrid::keysAndClicks_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("stored");

    const QStringList abc{"Ali", "Bora", "Can"};
    const QStringList none;
    const QStringList ask{"Delete record?"};

    // Moving.
    QTest::newRow("down") << abc << 0 << "Down" << none << abc << 1 << "browse" << none << abc;
    QTest::newRow("up") << abc << 2 << "Up" << none << abc << 1 << "browse" << none << abc;
    QTest::newRow("up at the top")
        << abc << 0 << "Up" << none << abc << 0 << "browse" << none << abc;
    QTest::newRow("home") << abc << 2 << "Home" << none << abc << 0 << "browse" << none << abc;
    QTest::newRow("ctrl+home") << abc << 2 << "CtrlHome" << none << abc << 0 << "browse" << none
                               << abc;
    QTest::newRow("end") << abc << 0 << "End" << none << abc << 2 << "browse" << none << abc;
    QTest::newRow("click") << abc << 0 << "Click:2" << none << abc << 2 << "browse" << none << abc;

    // Typing in the cell.
    const QStringList zeynep{"Ali", "Zeynep", "Can"};
    QTest::newRow("typed name stored by down")
        << abc << 1 << "'Zeynep Down" << QStringList{"edit", "post"} << zeynep << 2 << "browse"
        << none << zeynep;
    QTest::newRow("typed name stored by up")
        << abc << 1 << "'Zeynep Up" << QStringList{"edit", "post"} << zeynep << 0 << "browse"
        << none << zeynep;
    QTest::newRow("typed name stored by tab")
        << abc << 1 << "'Zeynep Tab" << QStringList{"edit", "post"} << zeynep << 2 << "browse"
        << none << zeynep;
    QTest::newRow("typed name stored by a click")
        << abc << 1 << "'Zeynep Click:0" << QStringList{"edit", "post"} << zeynep << 0 << "browse"
        << none << zeynep;
    QTest::newRow("enter hands the name over, post stores it")
        << abc << 1 << "'Zeynep Enter post" << QStringList{"edit", "post"} << zeynep << 1
        << "browse" << none << zeynep;
    QTest::newRow("post takes the open editor's text")
        << abc << 1 << "'Zeynep post" << QStringList{"edit", "post"} << zeynep << 1 << "browse"
        << none << zeynep;
    QTest::newRow("leaving the list hands the name over")
        << abc << 1 << "'Zeynep Focus post" << QStringList{"edit", "post"} << zeynep << 1
        << "browse" << none << zeynep;
    QTest::newRow("typing on an empty table inserts")
        << none << -1 << "'Ece Up" << QStringList{"insert", "post"} << QStringList{"Ece"} << 0
        << "browse" << none << QStringList{"Ece"};
    QTest::newRow("turkish letters") << abc << 0 << "'İşçiĞüÖ Down" << QStringList{"edit", "post"}
                                     << QStringList{"İşçiĞüÖ", "Bora", "Can"} << 1 << "browse"
                                     << none << QStringList{"İşçiĞüÖ", "Bora", "Can"};
    const QString x60(60, 'x');
    const QString x50(50, 'x');
    QTest::newRow("name stops at 50")
        << abc << 0 << "'" + x60 + " Down" << QStringList{"edit", "post"}
        << QStringList{x50, "Bora", "Can"} << 1 << "browse" << none
        << QStringList{x50, "Bora", "Can"};
    QTest::newRow("double click opens the editor")
        << abc << 0 << "DClick:2 'Zeki Up" << QStringList{"edit", "post"}
        << QStringList{"Ali", "Bora", "Zeki"} << 1 << "browse" << none
        << QStringList{"Ali", "Bora", "Zeki"};
    QTest::newRow("f2 opens without an edit")
        << abc << 1 << "F2" << none << abc << 1 << "browse" << none << abc;
    QTest::newRow("f2 then typing appends")
        << abc << 1 << "F2 End 'a Down" << QStringList{"edit", "post"}
        << QStringList{"Ali", "Boraa", "Can"} << 2 << "browse" << none
        << QStringList{"Ali", "Boraa", "Can"};
    QTest::newRow("f2 then typing replaces")
        << abc << 1 << "F2 'Zeki Down" << QStringList{"edit", "post"}
        << QStringList{"Ali", "Zeki", "Can"} << 2 << "browse" << none
        << QStringList{"Ali", "Zeki", "Can"};
    QTest::newRow("backspace starts the edit")
        << abc << 1 << "F2 End Backspace Down" << QStringList{"edit", "post"}
        << QStringList{"Ali", "Bor", "Can"} << 2 << "browse" << none
        << QStringList{"Ali", "Bor", "Can"};
    QTest::newRow("f2 and down changes nothing")
        << abc << 1 << "F2 Down" << none << abc << 2 << "browse" << none << abc;

    // New records.
    QTest::newRow("insert") << abc << 1 << "Insert" << QStringList{"insert"}
                            << QStringList{"Ali", "", "Bora", "Can"} << 1 << "insert" << none
                            << abc;
    QTest::newRow("insert, up drops it")
        << abc << 1 << "Insert Up" << QStringList{"insert", "cancel"} << abc << 0 << "browse"
        << none << abc;
    QTest::newRow("insert, down drops it")
        << abc << 1 << "Insert Down" << QStringList{"insert", "cancel"} << abc << 1 << "browse"
        << none << abc;
    QTest::newRow("insert, typed, down stores it")
        << abc << 1 << "Insert 'Nur Down" << QStringList{"insert", "post"}
        << QStringList{"Ali", "Nur", "Bora", "Can"} << 2 << "browse" << none
        << QStringList{"Ali", "Bora", "Can", "Nur"};
    QTest::newRow("insert, click below drops it")
        << abc << 0 << "Insert Click:2" << QStringList{"insert", "cancel"} << abc << 1 << "browse"
        << none << abc;
    QTest::newRow("insert, click on it keeps it")
        << abc << 0 << "Insert Click:0" << QStringList{"insert"}
        << QStringList{"", "Ali", "Bora", "Can"} << 0 << "insert" << none << abc;
    QTest::newRow("down on the last row appends")
        << abc << 2 << "Down" << QStringList{"insert"} << QStringList{"Ali", "Bora", "Can", ""} << 3
        << "insert" << none << abc;
    QTest::newRow("tab on the last row appends")
        << abc << 2 << "Tab" << QStringList{"insert"} << QStringList{"Ali", "Bora", "Can", ""} << 3
        << "insert" << none << abc;
    QTest::newRow("down on an empty table appends")
        << none << -1 << "Down" << QStringList{"insert"} << QStringList{""} << 0 << "insert" << none
        << none;
    QTest::newRow("down again keeps one new record")
        << abc << 2 << "Down Down" << QStringList{"insert"} << QStringList{"Ali", "Bora", "Can", ""}
        << 3 << "insert" << none << abc;
    QTest::newRow("up drops the untouched new record")
        << abc << 2 << "Down Up" << QStringList{"insert", "cancel"} << abc << 2 << "browse" << none
        << abc;
    QTest::newRow("up after typing stores it")
        << abc << 2 << "Down 'Dilek Up" << QStringList{"insert", "post"}
        << QStringList{"Ali", "Bora", "Can", "Dilek"} << 2 << "browse" << none
        << QStringList{"Ali", "Bora", "Can", "Dilek"};
    QTest::newRow("typed, down stores it and appends")
        << abc << 2 << "Down 'Dilek Down" << QStringList{"insert", "post", "insert"}
        << QStringList{"Ali", "Bora", "Can", "Dilek", ""} << 4 << "insert" << none
        << QStringList{"Ali", "Bora", "Can", "Dilek"};
    QTest::newRow("end on an untouched new record drops it")
        << abc << 0 << "End Down End" << QStringList{"insert", "cancel"} << abc << 2 << "browse"
        << none << abc;

    // Escape.
    QTest::newRow("esc in the editor throws the typing away")
        << abc << 1 << "'Zeki Esc" << QStringList{"edit"} << abc << 1 << "edit" << none << abc;
    QTest::newRow("esc twice cancels the edit")
        << abc << 1 << "'Zeki Esc Esc" << QStringList{"edit", "cancel"} << abc << 1 << "browse"
        << none << abc;
    QTest::newRow("esc after enter cancels the edit")
        << abc << 1 << "'Zeki Enter Esc" << QStringList{"edit", "cancel"} << abc << 1 << "browse"
        << none << abc;
    QTest::newRow("esc in an unchanged editor cancels the insert")
        << abc << 1 << "Insert F2 Esc" << QStringList{"insert", "cancel"} << abc << 1 << "browse"
        << none << abc;
    QTest::newRow("esc cancels the insert")
        << abc << 1 << "Insert Esc" << QStringList{"insert", "cancel"} << abc << 1 << "browse"
        << none << abc;
    QTest::newRow("esc with nothing pending")
        << abc << 1 << "Esc" << none << abc << 1 << "browse" << none << abc;

    // Deleting.
    QTest::newRow("ctrl+delete, ok")
        << abc << 1 << "Answer:Ok CtrlDel" << QStringList{"delete"} << QStringList{"Ali", "Can"}
        << 1 << "browse" << ask << QStringList{"Ali", "Can"};
    QTest::newRow("ctrl+delete the last, ok")
        << abc << 2 << "Answer:Ok CtrlDel" << QStringList{"delete"} << QStringList{"Ali", "Bora"}
        << 1 << "browse" << ask << QStringList{"Ali", "Bora"};
    QTest::newRow("ctrl+delete, cancel")
        << abc << 1 << "Answer:Cancel CtrlDel" << none << abc << 1 << "browse" << ask << abc;
    QTest::newRow("ctrl+delete on a new record drops it")
        << abc << 1 << "Insert Answer:Ok CtrlDel" << QStringList{"insert", "cancel"} << abc << 1
        << "browse" << ask << abc;
    QTest::newRow("ctrl+delete from the editor, cancel keeps the typing")
        << abc << 1 << "'Zeki Answer:Cancel CtrlDel Up" << QStringList{"edit", "post"}
        << QStringList{"Ali", "Zeki", "Can"} << 0 << "browse" << ask
        << QStringList{"Ali", "Zeki", "Can"};
    QTest::newRow("ctrl+delete on an empty table asks nothing")
        << none << -1 << "CtrlDel" << none << none << -1 << "browse" << none << none;

    // Leaving the list.
    QTest::newRow("leaving drops an untouched new record")
        << abc << 1 << "Insert Focus" << QStringList{"insert", "cancel"} << abc << 1 << "browse"
        << none << abc;
    QTest::newRow("leaving an unchanged editor drops it")
        << abc << 1 << "Insert F2 Focus" << QStringList{"insert", "cancel"} << abc << 1 << "browse"
        << none << abc;
    QTest::newRow("leaving keeps a typed new record")
        << abc << 1 << "Insert 'Nur Focus" << QStringList{"insert"}
        << QStringList{"Ali", "Nur", "Bora", "Can"} << 1 << "insert" << none << abc;
    QTest::newRow("leaving keeps an edit")
        << abc << 1 << "'Nur Focus" << QStringList{"edit"} << QStringList{"Ali", "Nur", "Can"} << 1
        << "edit" << none << abc;
}

void TestDBGrid::keysAndClicks() {
    QFETCH(QStringList, names);
    QFETCH(int, start);
    QFETCH(QString, script);
    QFETCH(QStringList, events);
    QFETCH(QStringList, shown);
    QFETCH(int, current);
    QFETCH(QString, state);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, stored);

    GridFixture f(names);
    if (start >= 0)
        f.table->moveTo(start);
    f.checkInStep();
    f.run(script);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.log->events, events);
    QCOMPARE(f.shownNames(), shown);
    QCOMPARE(f.table->currentViewRow(), current);
    QCOMPARE(stateName(f.table->state()), state);
    QCOMPARE(questionsAsked(), questions);
    // Row changes are told row by row: the view keeps its place and its editor.
    QCOMPARE(f.resets->count(), 0);
    QCOMPARE(f.storedNames(), stored);
}

void TestDBGrid::otherControls_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("current");

    const QStringList abc{"Ali", "Bora", "Can"};
    const QStringList people{"Ali", "Bora", "Ayse", "Burak"};
    QTest::newRow("append") << abc << "append" << QStringList{"Ali", "Bora", "Can", ""} << 3;
    QTest::newRow("append, post") << abc << "append name=Dilek post"
                                  << QStringList{"Ali", "Bora", "Can", "Dilek"} << 3;
    QTest::newRow("append, cancel") << abc << "append cancel" << abc << 2;
    QTest::newRow("insert, post") << abc << "moveTo:1 insert name=Nur post"
                                  << QStringList{"Ali", "Nur", "Bora", "Can"} << 1;
    QTest::newRow("insert, cancel") << abc << "moveTo:1 insert cancel" << abc << 1;
    QTest::newRow("append over an insert") << abc << "moveTo:1 insert name=Nur append"
                                           << QStringList{"Ali", "Nur", "Bora", "Can", ""} << 4;
    QTest::newRow("delete") << abc << "moveTo:1 delete" << QStringList{"Ali", "Can"} << 1;
    QTest::newRow("delete the last") << abc << "last delete" << QStringList{"Ali", "Bora"} << 1;
    QTest::newRow("delete the only one") << QStringList{"Ali"} << "delete" << QStringList{} << -1;
    QTest::newRow("delete while editing")
        << abc << "moveTo:1 edit name=X delete" << QStringList{"Ali", "Can"} << 1;
    QTest::newRow("rename, post") << abc << "moveTo:1 edit name=Berk post"
                                  << QStringList{"Ali", "Berk", "Can"} << 1;
    QTest::newRow("rename, cancel") << abc << "moveTo:1 edit name=Berk cancel" << abc << 1;
    QTest::newRow("edit on an empty table")
        << QStringList{} << "edit name=Ece post" << QStringList{"Ece"} << 0;
    QTest::newRow("moves") << abc << "last first next" << abc << 1;
    QTest::newRow("filter") << people << "filter=A*" << QStringList{"Ali", "Ayse"} << 0;
    QTest::newRow("filter, same count, other names")
        << people << "filter=A* filter=B*" << QStringList{"Bora", "Burak"} << 0;
    QTest::newRow("filter to nothing") << people << "filter=Z*" << QStringList{} << -1;
    QTest::newRow("filter off") << people << "moveTo:2 filter=B* unfilter" << people << 0;
    QTest::newRow("filter stores a pending record")
        << people << "append name=Ahmet filter=A*" << QStringList{"Ali", "Ayse", "Ahmet"} << 0;
    QTest::newRow("silent changes show on enable")
        << abc << "disable last append name=Dilek post first next enable"
        << QStringList{"Ali", "Bora", "Can", "Dilek"} << 1;
    QTest::newRow("silent delete shows on enable")
        << abc << "disable moveTo:0 delete enable" << QStringList{"Bora", "Can"} << 0;
    QTest::newRow("silent insert shows on enable")
        << abc << "disable moveTo:1 insert enable" << QStringList{"Ali", "", "Bora", "Can"} << 1;
    QTest::newRow("close") << abc << "close" << QStringList{} << -1;
    QTest::newRow("close, open") << abc << "moveTo:2 close open" << abc << 0;
}

void TestDBGrid::otherControls() {
    QFETCH(QStringList, names);
    QFETCH(QString, script);
    QFETCH(QStringList, shown);
    QFETCH(int, current);

    GridFixture f(names);
    f.run(script);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.shownNames(), shown);
    QCOMPARE(f.grid->currentIndex().row(), current);
}

void TestDBGrid::pageKeys() {
    QStringList names;
    for (int i = 0; i < 60; ++i)
        names << QString("Ad%1").arg(i, 2, 10, QChar('0'));
    GridFixture f(names);
    QTest::keyClick(f.grid, Qt::Key_PageDown);
    const int page = f.table->currentViewRow();
    QVERIFY2(page > 1 && page < 59, qPrintable(QString::number(page)));
    // The row that became current is in sight.
    const QRect cell = f.grid->visualRect(f.model()->index(page, 0));
    QVERIFY(f.grid->viewport()->rect().contains(cell.center()));
    QTest::keyClick(f.grid, Qt::Key_PageDown);
    QCOMPARE(f.table->currentViewRow(), 2 * page);
    QTest::keyClick(f.grid, Qt::Key_PageUp);
    QTest::keyClick(f.grid, Qt::Key_PageUp);
    QCOMPARE(f.table->currentViewRow(), 0);
    f.checkInStep();
}

void TestDBGrid::refusedPostKeepsRecord_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("state");

    QTest::newRow("typed, down") << 0 << "" << int(Qt::Key_Down) << "edit";
    QTest::newRow("typed, click") << 0 << "" << int(-1) << "edit";
    QTest::newRow("new record, up") << 2 << "Down" << int(Qt::Key_Up) << "insert";
    QTest::newRow("new record, insert") << 2 << "Down" << int(Qt::Key_Insert) << "insert";
}

// The store refuses a name: the error leaves the handler, the record stays pending with the
// name typed, and the list stays on it.
void TestDBGrid::refusedPostKeepsRecord() {
    QFETCH(int, start);
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(QString, state);

    GridFixture f({"Ali", "Bora", "Can"});
    f.tables.sql("Veri.db", {"CREATE TRIGGER refuse_u BEFORE UPDATE ON Veri WHEN NEW.Isim = 'Bad' "
                             "BEGIN SELECT RAISE(ABORT, 'refused'); END",
                             "CREATE TRIGGER refuse_i BEFORE INSERT ON Veri WHEN NEW.Isim = 'Bad' "
                             "BEGIN SELECT RAISE(ABORT, 'refused'); END"});
    f.table->moveTo(start);
    f.run(before + " 'Bad");
    const int row = f.table->currentViewRow();
    if (key < 0)
        QVERIFY_THROWS_EXCEPTION(ravik::Error, f.clickRow(row == 0 ? 1 : 0));
    else
        QVERIFY_THROWS_EXCEPTION(ravik::Error, QTest::keyClick(f.keyTarget(), Qt::Key(key)));
    QCOMPARE(stateName(f.table->state()), state);
    QCOMPARE(f.table->fieldByName("Isim")->asString(), QString("Bad"));
    QCOMPARE(f.table->currentViewRow(), row);
    f.checkInStep();
    QCOMPARE(f.storedNames(), QStringList({"Ali", "Bora", "Can"}));
}

void TestDBGrid::windowSignals_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("releases");
    QTest::addColumn<int>("current");

    QTest::newRow("click a cell") << "cell" << 1 << 0 << 2;
    QTest::newRow("click the indicator") << "indicator" << 0 << 0 << 2;
    QTest::newRow("click the title") << "title" << 0 << 0 << 0;
    QTest::newRow("click below the rows") << "below" << 0 << 0 << 0;
    QTest::newRow("click in the editor") << "editor" << 0 << 1 << 0;
    QTest::newRow("right click") << "right" << 0 << 0 << 0;
    QTest::newRow("key in the list") << "down" << 0 << 1 << 1;
    QTest::newRow("keys in the editor") << "type" << 0 << 3 << 0;
    QTest::newRow("key in another widget") << "other" << 0 << 0 << 0;
}

void TestDBGrid::windowSignals() {
    QFETCH(QString, action);
    QFETCH(int, clicks);
    QFETCH(int, releases);
    QFETCH(int, current);

    GridFixture f({"Ali", "Bora", "Can"});
    QList<int> rowsAtClick;
    QObject::connect(f.grid, &ravik::DBGrid::cellClicked,
                     [&] { rowsAtClick << f.table->currentViewRow(); });
    QSignalSpy released(f.grid, &ravik::DBGrid::keyReleased);
    const QPoint row2 = f.grid->visualRect(f.model()->index(2, 0)).center();

    if (action == "cell") {
        QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, row2);
    } else if (action == "indicator") {
        QHeaderView* side = f.grid->verticalHeader();
        QTest::mouseClick(side->viewport(), Qt::LeftButton, {},
                          {side->width() / 2, side->sectionViewportPosition(2) + 3});
    } else if (action == "title") {
        QTest::mouseClick(f.grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, {20, 5});
    } else if (action == "below") {
        QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {},
                          {20, f.grid->viewport()->height() - 2});
    } else if (action == "editor") {
        QTest::keyClick(f.grid, Qt::Key_F2);
        QWidget* editor = f.openEditor();
        QVERIFY(editor);
        QTest::mouseClick(editor, Qt::LeftButton, {}, {5, 5});
    } else if (action == "right") {
        QTest::mouseClick(f.grid->viewport(), Qt::RightButton, {}, row2);
    } else if (action == "down") {
        QTest::keyClick(f.grid, Qt::Key_Down);
    } else if (action == "type") {
        f.type("abc");
    } else if (action == "other") {
        QTest::keyClick(f.other, Qt::Key_A);
    }
    QCOMPARE(rowsAtClick, QList<int>(clicks, current));
    QCOMPARE(released.count(), releases);
    QCOMPARE(f.table->currentViewRow(), current);
    f.checkInStep();
}

// At the width the main window gives it, the list needs no horizontal scroll bar, even with a
// vertical one.
void TestDBGrid::fitsItsWidth() {
    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << QString("Musteri %1").arg(i);
    GridFixture f(names);
    QCoreApplication::processEvents();
    QVERIFY(f.grid->verticalScrollBar()->isVisible());
    QVERIFY(!f.grid->horizontalScrollBar()->isVisible());
    QCOMPARE(f.grid->columnWidth(0), 137);
    QVERIFY(f.grid->verticalHeader()->width() <= 12);
    QCOMPARE(f.model()->headerData(0, Qt::Horizontal).toString(), QString("Isim"));
}

// A hundred thousand customers: moving to the end, appending, filtering read only the rows in
// sight.
void TestDBGrid::millionsStayLazy() {
    auto* model = new CountingModel;
    GridFixture f({}, model, false);
    f.table->close();
    f.tables.sql("Veri.db",
                 {"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                  "WHERE i < 100000) INSERT INTO Veri (Isim) SELECT printf('Ad%06d', i) FROM n"});
    f.table->open();
    QCOMPARE(f.model()->rowCount(), 100000);
    f.resets->clear();

    // Paints the list and checks which rows it read since the last look.
    const auto readOnly = [&](int from, int to) {
        f.grid->viewport()->repaint();
        const QSet<int> read = std::exchange(model->rowsRead, {});
        QVERIFY(!read.isEmpty());
        QVERIFY2(read.size() < 50, qPrintable(QString::number(read.size())));
        for (int row : read)
            QVERIFY2(row >= from && row <= to, qPrintable(QString::number(row)));
    };
    readOnly(0, 50);
    QTest::keyClick(f.grid, Qt::Key_End);
    QCOMPARE(f.grid->currentIndex().row(), 99999);
    readOnly(99950, 99999);

    QTest::keyClick(f.grid, Qt::Key_Down);
    QCOMPARE(f.model()->rowCount(), 100001);
    QCOMPARE(f.grid->currentIndex().row(), 100000);
    readOnly(99950, 100000);

    QTest::keyClick(f.grid, Qt::Key_Up);
    QCOMPARE(f.model()->rowCount(), 100000);
    readOnly(99950, 99999);

    f.table->setFilterText("[Isim]='Ad0999*'");
    f.table->setFiltered(true);
    QCOMPARE(f.model()->rowCount(), 100);
    QCOMPARE(f.grid->currentIndex().row(), 0);
    readOnly(0, 50);

    f.table->setFiltered(false);
    QCOMPARE(f.model()->rowCount(), 100000);
    readOnly(0, 50);
    QCOMPARE(f.resets->count(), 2);
}

QTEST_MAIN(TestDBGrid)
#include "tst_dbgrid.moc"
