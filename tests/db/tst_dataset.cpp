// The customer table's editing model, balance, text forms, filter and durability.
#include "Fixture.h"

#include "data/DataSource.h"
#include "text/Conversions.h"
#include "text/Errors.h"

#include <QProcess>

#include <csignal>

using namespace ravik;

class TestDataset : public QObject {
    Q_OBJECT

private:
    // Runs a script of operations: "append", "edit", "insert", "post", "cancel", "delete",
    // "browse", "flush", "first", "next", "set Field=Value". Returns the first error, if any.
    static QString run(Dataset& t, const QString& script) {
        const QHash<QString, void (Dataset::*)()> steps{
            {"append", &Dataset::append},
            {"edit", &Dataset::edit},
            {"insert", &Dataset::insert},
            {"post", &Dataset::post},
            {"cancel", &Dataset::cancel},
            {"delete", &Dataset::deleteRecord},
            {"browse", &Dataset::checkBrowseMode},
            {"flush", &Dataset::flushBuffers},
            {"first", &Dataset::first},
            {"next", &Dataset::next},
        };
        for (const QString& op : script.split(';', Qt::SkipEmptyParts)) {
            const QString o = op.trimmed();
            try {
                if (o.startsWith("set "))
                    t.fieldByName(o.mid(4).section('=', 0, 0))->setAsString(o.section('=', 1));
                else if (auto step = steps.value(o))
                    (t.*step)();
                else
                    qFatal("unknown step %s", qPrintable(o));
            } catch (const Error& e) {
                return e.message();
            }
        }
        return {};
    }

private slots:
    void editingModel_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("recNo");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("after"); // stored names after closing

        const QStringList ab{"Ali", "Berk"};
        using L = QStringList;
        QTest::newRow("append") << ab << "append" << L{"insert"} << "insert" << -1 << "" << ab;
        QTest::newRow("append, type, post")
            << ab << "append; set Isim=Cem; post" << L{"insert", "post"} << "browse" << 3 << ""
            << L{"Ali", "Berk", "Cem"};
        QTest::newRow("append, cancel") << ab << "append; set Isim=Cem; cancel"
                                        << L{"insert", "cancel"} << "browse" << 2 << "" << ab;
        QTest::newRow("untouched new record dropped on browse")
            << ab << "append; browse" << L{"insert", "cancel"} << "browse" << 2 << "" << ab;
        QTest::newRow("changed new record posted on browse")
            << ab << "append; set Tel1=555; browse" << L{"insert", "post"} << "browse" << 3 << ""
            << L{"Ali", "Berk", ""};
        QTest::newRow("append twice drops the untouched first")
            << ab << "append; append" << L{"insert", "cancel", "insert"} << "insert" << -1 << ""
            << ab;
        QTest::newRow("flush posts") << ab << "append; set Isim=Cem; flush" << L{"insert", "post"}
                                     << "browse" << 3 << "" << L{"Ali", "Berk", "Cem"};
        QTest::newRow("edit") << ab << "edit" << L{"edit"} << "edit" << 1 << "" << ab;
        QTest::newRow("edit twice raises once")
            << ab << "edit; edit" << L{"edit"} << "edit" << 1 << "" << ab;
        QTest::newRow("move posts a changed record")
            << ab << "edit; set Isim=Can; next" << L{"edit", "post"} << "browse" << 2 << ""
            << L{"Can", "Berk"};
        QTest::newRow("move cancels an untouched edit")
            << ab << "edit; next" << L{"edit", "cancel"} << "browse" << 2 << "" << ab;
        QTest::newRow("same value still counts as a change")
            << ab << "edit; set Isim=Ali; first" << L{"edit", "post"} << "browse" << 1 << "" << ab;
        QTest::newRow("edit on an empty table inserts")
            << L{} << "edit" << L{"insert"} << "insert" << -1 << "" << L{};
        QTest::newRow("edit on an empty table, post")
            << L{} << "edit; set Isim=Cem; post" << L{"insert", "post"} << "browse" << 1 << ""
            << L{"Cem"};
        QTest::newRow("delete while inserting cancels")
            << ab << "append; set Isim=Cem; delete" << L{"insert", "cancel"} << "browse" << 2 << ""
            << ab;
        QTest::newRow("delete while editing raises no post or cancel")
            << ab << "edit; set Isim=Can; delete" << L{"edit", "delete"} << "browse" << 1 << ""
            << L{"Berk"};
        QTest::newRow("delete the last record moves to the one before")
            << ab << "next; delete" << L{"delete"} << "browse" << 1 << "" << L{"Ali"};
        QTest::newRow("post in browse") << ab << "post" << L{} << "browse" << 1
                                        << "Table1: Dataset not in edit or insert mode" << ab;
        QTest::newRow("set in browse") << ab << "set Isim=X" << L{} << "browse" << 1
                                       << "Table1: Dataset not in edit or insert mode" << ab;
        QTest::newRow("cancel in browse does nothing")
            << ab << "cancel" << L{} << "browse" << 1 << "" << ab;
        QTest::newRow("delete on an empty table")
            << L{} << "delete" << L{} << "browse" << -1
            << "Table1: Cannot perform this operation on an empty dataset" << L{};
        QTest::newRow("insert at the current position")
            << ab << "next; insert; set Isim=Cem; post" << L{"insert", "post"} << "browse" << 2
            << "" << L{"Ali", "Berk", "Cem"};
        QTest::newRow("a refused money text keeps the edit")
            << ab << "edit; set Ucret=12a; post" << L{"edit"} << "edit" << 1
            << "'12a' is not a valid floating point value for field 'Ucret'" << ab;
        QTest::newRow("the calculated field cannot be typed into")
            << ab << "edit; set Kalan=5" << L{"edit"} << "edit" << 1
            << "Field 'Kalan' cannot be modified" << ab;
    }

    void editingModel() {
        QFETCH(QStringList, stored);
        QFETCH(QString, script);
        TempTables tt;
        tt.addCustomers(stored);
        auto t = tt.customers();
        EventLog log(t.get());
        QFETCH(QString, error);
        QCOMPARE(run(*t, script), error);
        QFETCH(QStringList, events);
        QCOMPARE(log.events, events);
        QFETCH(QString, state);
        QCOMPARE(stateName(t->state()), state);
        QFETCH(int, recNo);
        QCOMPARE(t->recNo(), recNo);
        t->close(); // closing never saves
        QFETCH(QStringList, after);
        QCOMPARE(tt.storedNames(), after);
    }

    void stateChangesReachBoundControlsBeforeTheEvent() {
        TempTables tt;
        tt.addCustomers({"Ali"});
        auto t = tt.customers();
        struct Link : DataLink {
            QStringList* seen;
            void dataEvent(DataEvent e, Field*) override {
                if (e == DataEvent::StateChanged)
                    *seen << "state";
            }
        } link;
        QStringList seen;
        link.seen = &seen;
        DataSource source;
        source.setDataSet(t.get());
        source.addLink(&link);
        connect(t.get(), &Dataset::afterEdit, this, [&] { seen << "afterEdit"; });
        connect(t.get(), &Dataset::afterPost, this, [&] { seen << "afterPost"; });
        QVERIFY(source.edit()); // a control's first change
        t->fieldByName("Tel1")->setAsString("1");
        t->post();
        QCOMPARE(seen, (QStringList{"state", "afterEdit", "state", "afterPost"}));
    }

    void pendingTextIsHandedOverBeforePosting() {
        TempTables tt;
        tt.addCustomers({"Ali"});
        auto t = tt.customers();
        struct Box : DataLink {
            QString pending;
            Field* field = nullptr;
            void dataEvent(DataEvent e, Field*) override {
                if (e == DataEvent::UpdateRecord && !pending.isEmpty())
                    field->setAsString(std::exchange(pending, {}));
            }
        } box;
        box.field = t->fieldByName("Isim");
        DataSource source;
        source.setDataSet(t.get());
        source.addLink(&box);
        source.edit();
        box.pending = "Ayşe";
        t->next(); // a move brings the table to browse: the typed text is a change
        QCOMPARE(t->state(), Dataset::State::Browse);
        t->close();
        QCOMPARE(tt.storedNames(), QStringList{"Ayşe"});
    }

    void balance() {
        TempTables tt;
        tt.addCustomers({"Ali"});
        auto t = tt.customers();
        Field* fee = t->fieldByName("Ucret");
        Field* got = t->fieldByName("Alinan");
        Field* rest = t->fieldByName("Kalan");
        QVERIFY(!rest->isNull()); // a stored record with both amounts empty
        QCOMPARE(rest->asFloat(), 0.0);
        QCOMPARE(rest->displayText(), QString("₺0,00"));

        t->append();
        QVERIFY(rest->isNull()); // until a stored field receives a value
        t->fieldByName("Isim")->setAsString("Cem");
        QCOMPARE(rest->asFloat(), 0.0);
        fee->setAsString("100");
        QCOMPARE(rest->asFloat(), 100.0);
        got->setAsString("30,5");
        QCOMPARE(rest->asFloat(), 69.5);
        fee->setAsString("");
        QCOMPARE(rest->asFloat(), -30.5);
        t->post();
        t->first();
        t->last();
        QCOMPARE(rest->asFloat(), -30.5); // worked out again when read back
        QCOMPARE(rest->displayText(), QString("-₺30,50"));
        QCOMPARE(got->editText(), QString("30,50"));
    }

    void textForms_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("error");
        const QString x60(60, 'x'), x300(300, 'y');
        QTest::newRow("name cut at 50") << "Isim" << x60 << x60.left(50) << "";
        QTest::newRow("note cut at 255") << "Not1" << x300 << x300.left(255) << "";
        QTest::newRow("birthday cut at 10") << "DogumGunu"
                                            << "28.04.2005 and more"
                                            << "28.04.2005"
                                            << "";
        QTest::newRow("memo keeps everything") << "Adres" << x300 + "\nline" << x300 + "\nline"
                                               << "";
        QTest::newRow("money") << "Ucret"
                               << "1234,5"
                               << "1234,5"
                               << "";
        QTest::newRow("money exponent") << "Ucret"
                                        << "1E3"
                                        << "1000"
                                        << "";
        QTest::newRow("money empty") << "Ucret"
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("money with a point")
            << "Ucret"
            << "12.5"
            << ""
            << "'12.5' is not a valid floating point value for field 'Ucret'";
        QTest::newRow("money with letters")
            << "Alinan"
            << "on"
            << ""
            << "'on' is not a valid floating point value for field 'Alinan'";
        QTest::newRow("money with thousands")
            << "Ucret"
            << "1.000,00"
            << ""
            << "'1.000,00' is not a valid floating point value for field 'Ucret'";
    }

    void textForms() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        TempTables tt;
        auto t = tt.customers();
        t->append();
        QFETCH(QString, error);
        QString raised;
        try {
            t->fieldByName(field)->setAsString(typed);
        } catch (const ConvertError& e) {
            raised = e.message();
        }
        QCOMPARE(raised, error);
        t->fieldByName("Tel1")->setAsString("1");
        t->post();
        t->close();
        t->open();
        QFETCH(QString, stored);
        QCOMPARE(t->fieldByName(field)->asString(), stored);
    }

    void everyKindSurvivesCloseAndReopen() {
        TempTables tt;
        const QByteArray picture("\x01\x02\x00\x03 any bytes", 15);
        {
            auto t = tt.customers();
            t->append();
            t->fieldByName("Isim")->setAsString("Şükrü Çağlayan");
            t->fieldByName("Adres")->setAsString("Atatürk Cad. 5\r\nİzmir");
            t->fieldByName("Tel1")->setAsString("0532 111 22 33");
            t->fieldByName("DogumGunu")->setAsString("28.04.2005");
            t->fieldByName("IslemTarihi")->setValue(QDate(2026, 2, 28));
            t->fieldByName("Ucret")->setAsFloat(0.1 + 0.2);
            t->fieldByName("Resim")->setBytes(picture);
            t->fieldByName("Bag1")->setAsString("b");
            t->post();
            QCOMPARE(t->fieldByName("Id")->value().toLongLong(), 1LL);
        }
        auto t = tt.customers();
        QCOMPARE(t->recordCount(), 1);
        QCOMPARE(t->fieldByName("Isim")->asString(), QString("Şükrü Çağlayan"));
        QCOMPARE(t->fieldByName("Adres")->asString(), QString("Atatürk Cad. 5\r\nİzmir"));
        QCOMPARE(t->fieldByName("Tel1")->asString(), QString("0532 111 22 33"));
        QCOMPARE(t->fieldByName("DogumGunu")->asString(), QString("28.04.2005"));
        QCOMPARE(t->fieldByName("IslemTarihi")->value().toDate(), QDate(2026, 2, 28));
        QCOMPARE(t->fieldByName("Ucret")->asFloat(), 0.1 + 0.2); // a double, not rounded
        QCOMPARE(t->fieldByName("Resim")->blobSize(), qint64(picture.size()));
        QCOMPARE(t->fieldByName("Resim")->bytes(), picture);
        QVERIFY(t->fieldByName("Tel2")->isNull());
        QVERIFY(t->fieldByName("Alinan")->isNull());
    }

    void pictureFieldLoadsAndClears() {
        TempTables tt;
        tt.addCustomers({"Ali"});
        QFile file(tt.path("pic.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(5000, 'z'));
        file.close();
        auto t = tt.customers();
        Field* pic = t->fieldByName("Resim");
        t->edit();
        pic->loadFromFile(file.fileName());
        QCOMPARE(pic->blobSize(), 5000);
        t->post();
        t->edit();
        pic->clear();
        QCOMPARE(pic->blobSize(), 0);
        t->cancel();
        QCOMPARE(pic->blobSize(), 5000); // read again from the file
        t->edit();
        try {
            pic->loadFromFile(tt.path("missing.bmp"));
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(e.message(), "Cannot open file " + tt.path("missing.bmp"));
        }
        QCOMPARE(pic->blobSize(), 5000);
        QCOMPARE(t->state(), Dataset::State::Edit);
    }

    void filter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        const QString fifty = "Ayşegül " + QString(42, 'a');
        QTest::newRow("prefix any case")
            << "ay"
            << QStringList{"Ayşe Yılmaz", "ayhan Demir", "AYTEN Kaya", "aYdın Şahin", fifty};
        QTest::newRow("upper typed")
            << "AY"
            << QStringList{"Ayşe Yılmaz", "ayhan Demir", "AYTEN Kaya", "aYdın Şahin", fifty};
        QTest::newRow("longer prefix") << "ayş" << QStringList{"Ayşe Yılmaz", fifty};
        QTest::newRow("dotless i") << "ı" << QStringList{"Işık Ünal", "ılgaz Tan"};
        QTest::newRow("capital I") << "I" << QStringList{"Işık Ünal", "ılgaz Tan"};
        QTest::newRow("dotted i") << "i" << QStringList{"İsmail Öztürk", "ismet Çelik"};
        QTest::newRow("capital dotted I") << "İS" << QStringList{"İsmail Öztürk", "ismet Çelik"};
        QTest::newRow("other Turkish letters") << "ÇE" << QStringList{};
        QTest::newRow("a quote is a character") << "O'b" << QStringList{"O'Brien"};
        QTest::newRow("an asterisk is a character") << "Star*" << QStringList{"Star*Man"};
        QTest::newRow("percent and bracket") << "%[" << QStringList{"%[x]"};
        QTest::newRow("the whole name") << fifty << QStringList{fifty};
        QTest::newRow("longer than the field") << fifty + "a" << QStringList{};
        QTest::newRow("no match") << "zz" << QStringList{};
    }

    void filter() {
        QFETCH(QString, typed);
        const QString fifty = "Ayşegül " + QString(42, 'a');
        TempTables tt;
        tt.addCustomers({"Ayşe Yılmaz", "ayhan Demir", "Işık Ünal", "AYTEN Kaya", "İsmail Öztürk",
                         "ismet Çelik", "ılgaz Tan", "aYdın Şahin", "O'Brien", "Star*Man", "%[x]",
                         "", fifty, "Zeki"});
        auto t = tt.customers();
        // What the search box does on each change.
        t->setFilterText("[Isim]=" + quotedStr(typed + "*"));
        t->setFiltered(true);
        QFETCH(QStringList, shown);
        QStringList walked;
        for (t->first(); !t->eof(); t->next())
            walked << t->fieldByName("Isim")->asString();
        QCOMPARE(walked, shown);
        QCOMPARE(t->recordCount(), shown.size());
        t->first();
        QCOMPARE(t->recNo(), shown.isEmpty() ? -1 : 1);
        t->setFiltered(false);
        QCOMPARE(t->recordCount(), 14);
        QCOMPARE(t->fieldByName("Isim")->asString(), QString("Ayşe Yılmaz"));
    }

    void filterTypedLetterByLetterAndBack() {
        TempTables tt;
        tt.addCustomers({"Ayşe", "Ayla", "Berk", "Aydan", ""});
        auto t = tt.customers();
        const auto type = [&](const QString& text) {
            t->setFilterText("[Isim]=" + quotedStr(text + "*"));
            t->setFiltered(true);
            if (text.isEmpty())
                t->setFiltered(false);
            return t->recordCount();
        };
        QCOMPARE(type("a"), 3);
        QCOMPARE(type("ay"), 3);
        QCOMPARE(type("ayl"), 1);
        QCOMPARE(type("ay"), 3);
        QCOMPARE(type("b"), 1);
        QCOMPARE(type(""), 5);
        QCOMPARE(t->filterText(), QString("[Isim]='*'"));
        // A filter that is on and only "*": compared as a whole name, nobody is called "*".
        t->setFiltered(true);
        QCOMPARE(t->recordCount(), 0);
        QCOMPARE(t->recNo(), -1);
        t->edit(); // nothing in view: a new record
        QCOMPARE(t->state(), Dataset::State::Insert);
    }

    void filterChangePostsPendingEdit() {
        TempTables tt;
        tt.addCustomers({"Ali", "Berk"});
        auto t = tt.customers();
        EventLog log(t.get());
        t->edit();
        t->fieldByName("Isim")->setAsString("Bora");
        t->setFilterText("[Isim]='B*'");
        t->setFiltered(true);
        QCOMPARE(log.events, (QStringList{"edit", "post"}));
        QCOMPARE(t->recordCount(), 2); // the renamed record passes too
        // Editing a passing record keeps it in view.
        t->edit();
        t->fieldByName("Isim")->setAsString("Ali");
        t->post();
        QCOMPARE(t->recordCount(), 2);
    }

    void postSurvivesKill() {
        TempTables tt;
        QProcess child;
        child.start(qEnvironmentVariable("RAVIK_BIN_DIR") + "/post_and_wait",
                    {tt.dir.path(), "Kerem Güneş"});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(20000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("posted"));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        auto t = tt.customers();
        QCOMPARE(t->recordCount(), 1);
        QCOMPARE(t->fieldByName("Isim")->asString(), QString("Kerem Güneş"));
        QCOMPARE(t->fieldByName("Ucret")->asFloat(), 75.0);
    }
};

QTEST_GUILESS_MAIN(TestDataset)
#include "tst_dataset.moc"
