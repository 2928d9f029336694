// ravikpro-bench: times the data layer against stock Qt SQL on generated customer tables.
// Each way runs in a child process of its own so that its peak memory is its own.
#include "data/BalanceRule.h"
#include "data/Dataset.h"
#include "data/Field.h"
#include "data/SqliteStore.h"
#include "data/TableDef.h"
#include "text/Conversions.h"
#include "text/Errors.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;
using ravik::Error;

namespace {

using Figures = QMap<QString, QString>;

// Three typed letters each; every one begins common first names below.
const QStringList kPrefixes{u"Ayş"_s, u"Meh"_s, u"Şen"_s, u"Fat"_s, u"Mus"_s, u"Zey"_s,
                            u"Hüs"_s, u"Emi"_s, u"Özg"_s, u"Çağ"_s, u"İbr"_s, u"Gül"_s};
constexpr int kPosts = 5;

double msSince(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// Stock SQLite LIKE folds ASCII letters only, and Turkish I/İ differ from ASCII: counts of both
// ways must agree for prefixes free of these.
bool sameForLike(const QString& prefix) {
    return std::all_of(prefix.begin(), prefix.end(), [](QChar c) {
        return c.unicode() < 128 && c.toLower() != QLatin1Char('i');
    });
}

qint64 peakKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

QString tel(int k) {
    return QStringLiteral("0555 000 00 %1").arg(k, 2, 10, QLatin1Char('0'));
}

// --- generating a table --------------------------------------------------------------------

const char* const kFirstNames[] = {
    "Ayşe",   "Ayşegül", "Ayla",  "Aylin",  "Ayhan", "Mehmet",  "Mehtap",  "Melek",   "Şenay",
    "Şener",  "Şengül",  "Şeyma", "Fatma",  "Fatih", "Mustafa", "Zeynep",  "Hüseyin", "Hüsnü",
    "Emine",  "Emir",    "Özge",  "Özgür",  "Çağla", "Çağrı",   "İbrahim", "İsmail",  "İlknur",
    "Gülşen", "Gülay",   "Gül",   "Gökhan", "Ömer",  "Ünal",    "Ümit",    "Ali",     "Ahmet",
    "Hasan",  "Hatice",  "Murat", "Kübra",  "Ebru",  "Canan",   "Cem",     "Oğuz",    "Tuğba",
    "Yiğit",  "Burak",   "Büşra", "Elif",   "Eda",   "Derya",   "Deniz",   "Sevgi",   "Serkan",
    "Selin",  "Irmak",   "Işıl",  "Ilgaz",  "Şükrü", "Nurhan",  "Sibel",   "Barış",   "Doğan",
};
const char* const kSurnames[] = {
    "Yılmaz", "Kaya",    "Demir",  "Şahin",    "Çelik",   "Yıldız",  "Yıldırım", "Öztürk",
    "Aydın",  "Özdemir", "Arslan", "Doğan",    "Kılıç",   "Aslan",   "Çetin",    "Kara",
    "Koç",    "Kurt",    "Özkan",  "Şimşek",   "Polat",   "Öz",      "Güneş",    "Erdoğan",
    "Çakır",  "Aktaş",   "Işık",   "Akgül",    "Ünal",    "Bozkurt", "Uçar",     "Gök",
    "Güler",  "Ateş",    "Tekin",  "Türkmen",  "Karagöz", "Çiftçi",  "Ağca",     "Sarıgül",
    "İnce",   "İpek",    "Üstün",  "Gündoğdu",
};
const char* const kStreets[] = {
    "Atatürk Cad.", "İnönü Sok.",      "Cumhuriyet Mah. Gül Sok.", "Çiçek Sok.",
    "Bağdat Cad.",  "Şehit Ömer Sok.", "Fevzi Çakmak Cad.",        "Işıklar Mah. Üzüm Sok."};
const char* const kTowns[] = {"Kadıköy/İstanbul",  "Çankaya/Ankara",    "Karşıyaka/İzmir",
                              "Osmangazi/Bursa",   "Muratpaşa/Antalya", "Şahinbey/Gaziantep",
                              "Ortahisar/Trabzon", "Eskişehir"};
const char* const kNotes[] = {"Kontrol randevusu",      "Taksit ödemesi bekleniyor",
                              "Ödeme peşin yapıldı",    "Şubat ayında tekrar gelecek",
                              "Özel indirim uygulandı", "Çağrılacak"};

template <size_t N> QStringList texts(const char* const (&list)[N]) {
    QStringList out;
    for (const char* s : list)
        out.append(QString::fromUtf8(s));
    return out;
}

// Deterministic across runs and platforms: one fixed seed, plain modulo.
class Rng {
public:
    quint64 below(quint64 n) { return gen_() % n; }
    bool chance(int percent) { return below(100) < quint64(percent); }
    template <typename L> const auto& pick(const L& list) {
        return list[qsizetype(below(quint64(list.size())))];
    }

private:
    std::mt19937_64 gen_{19750428};
};

QString upperTurkish(QString s) {
    for (QChar& c : s)
        c = c == u'i' ? QChar(u'İ') : c == u'ı' ? QChar(u'I') : c.toUpper();
    return s;
}

// A 24-bit 128x133 BMP, about 50 KB, its colours varied by `seed`.
QByteArray bitmap(quint64 seed) {
    constexpr int w = 128, h = 133, stride = w * 3, pixels = stride * h, size = 54 + pixels;
    QByteArray b(size, '\0');
    auto put = [&b](int at, quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, size, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, w, 4);
    put(22, h, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, pixels, 4);
    put(38, 2835, 4);
    put(42, 2835, 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            char* p = b.data() + 54 + y * stride + x * 3;
            p[0] = char(x * 2 + int(seed));
            p[1] = char(y * 2);
            p[2] = char(x + y + int(seed * 7));
        }
    return b;
}

using Db = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Stmt = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

void sqlCheck(sqlite3* db, int rc, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw Error(QStringLiteral("%1 failed: %2")
                        .arg(QString::fromLatin1(what), QString::fromUtf8(sqlite3_errmsg(db))));
}

Db openDb(const QString& path, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    Db db(raw, &sqlite3_close);
    if (rc != SQLITE_OK)
        throw Error(QStringLiteral("Cannot open %1: %2")
                        .arg(path, QString::fromUtf8(raw ? sqlite3_errmsg(raw) : "out of memory")));
    return db;
}

void bindText(sqlite3_stmt* st, int at, const QString& text) {
    if (text.isEmpty()) {
        sqlite3_bind_null(st, at);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(st, at, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// Fills a new table file under a temporary name, so an interrupted run leaves no table behind.
void generateTable(const QString& path, qint64 count) {
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    ravik::SqliteStore::createFile(part, ravik::customerTableDef());
    {
        Db db = openDb(part, SQLITE_OPEN_READWRITE);
        sqlite3* d = db.get();
        sqlCheck(d, sqlite3_exec(d, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr), "pragma");
        sqlCheck(d, sqlite3_exec(d, "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr),
                 "pragma");
        sqlCheck(d, sqlite3_exec(d, "BEGIN", nullptr, nullptr, nullptr), "BEGIN");
        const char* sql = "INSERT INTO Veri (Isim, Adres, IsAdres, Tel1, Tel2, DogumGunu, "
                          "IslemTarihi, Detay, Ucret, Alinan, Not1, Resim) "
                          "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)";
        sqlite3_stmt* raw = nullptr;
        sqlCheck(d, sqlite3_prepare_v2(d, sql, -1, &raw, nullptr), "prepare");
        Stmt st(raw, &sqlite3_finalize);

        const QStringList first = texts(kFirstNames), last = texts(kSurnames),
                          streets = texts(kStreets), towns = texts(kTowns), notes = texts(kNotes);
        Rng rng;
        auto phone = [&rng] {
            return QString::asprintf("05%02d %03d %02d %02d", int(rng.below(60)),
                                     int(rng.below(1000)), int(rng.below(100)),
                                     int(rng.below(100)));
        };
        auto address = [&] {
            return QStringLiteral("%1 No: %2 %3")
                .arg(rng.pick(streets))
                .arg(rng.below(150) + 1)
                .arg(rng.pick(towns));
        };
        for (qint64 i = 0; i < count; ++i) {
            QString name = rng.pick(first);
            if (rng.chance(15))
                name += QLatin1Char(' ') + rng.pick(first);
            name += QLatin1Char(' ') + rng.pick(last);
            if (rng.chance(10))
                name = upperTurkish(name);
            const int year = 1940 + int(rng.below(71));
            const QDate born = QDate(year, 1, 1).addDays(qint64(rng.below(365)));
            const QDate visit = QDate(2015, 1, 1).addDays(qint64(rng.below(3650)));
            const double fee = double(rng.below(100) + 1) * 50;
            const double paid = double(rng.below(quint64(fee / 50) + 1)) * 50;

            sqlite3_stmt* s = st.get();
            sqlite3_reset(s);
            bindText(s, 1, name);
            bindText(s, 2, address());
            bindText(s, 3, rng.chance(30) ? address() : QString());
            bindText(s, 4, phone());
            bindText(s, 5, rng.chance(40) ? phone() : QString());
            bindText(s, 6, born.toString(QStringLiteral("dd.MM.yyyy")));
            bindText(s, 7, visit.toString(Qt::ISODate));
            bindText(s, 8, rng.chance(30) ? rng.pick(notes) : QString());
            sqlite3_bind_double(s, 9, fee);
            sqlite3_bind_double(s, 10, paid);
            bindText(s, 11, rng.chance(10) ? rng.pick(notes) : QString());
            if (i % 100 == 50) {
                const QByteArray bmp = bitmap(quint64(i));
                sqlite3_bind_blob(s, 12, bmp.constData(), int(bmp.size()), SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_null(s, 12);
            }
            sqlCheck(d, sqlite3_step(s), "INSERT");
        }
        st.reset();
        sqlCheck(d, sqlite3_exec(d, "COMMIT", nullptr, nullptr, nullptr), "COMMIT");
    }
    if (!QFile::rename(part, path))
        throw Error(QStringLiteral("Cannot rename %1 to %2").arg(part, path));
    // Written back now, the new file's dirty pages do not slow the timed work down later.
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly) || ::fsync(written.handle()) != 0)
        throw Error(QStringLiteral("Cannot flush %1 to disk").arg(path));
}

qint64 rowCount(const QString& path) {
    Db db = openDb(path, SQLITE_OPEN_READONLY);
    sqlite3_stmt* raw = nullptr;
    sqlCheck(db.get(), sqlite3_prepare_v2(db.get(), "SELECT count(*) FROM Veri", -1, &raw, nullptr),
             "count");
    Stmt st(raw, &sqlite3_finalize);
    sqlCheck(db.get(), sqlite3_step(raw), "count");
    return sqlite3_column_int64(raw, 0);
}

// The folder holding the table of `count` records, made unless a complete one is there.
QString tableFolder(const QString& root, qint64 count) {
    const QString folder = QDir(root).filePath(QString::number(count));
    const QString path = QDir(folder).filePath(ravik::customerTableDef().fileName);
    if (!QDir().mkpath(folder))
        throw Error(QStringLiteral("Cannot create folder %1").arg(folder));
    if (QFileInfo::exists(path)) {
        if (rowCount(path) == count) {
            std::fprintf(stderr, "reusing %s\n", qPrintable(path));
            return folder;
        }
        std::fprintf(stderr, "%s holds another size; making it again\n", qPrintable(path));
        QFile::remove(path);
    }
    std::fprintf(stderr, "generating %lld records in %s ...\n", count, qPrintable(path));
    QElapsedTimer clock;
    clock.start();
    generateTable(path, count);
    std::fprintf(stderr, "  done in %.1f s\n", msSince(clock) / 1000);
    return folder;
}

// Both ways then start from a warm page cache.
void readThrough(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot read %1").arg(path));
    while (!f.read(1 << 20).isEmpty()) {
    }
}

// --- the two ways, each run in a child process ----------------------------------------------

// What each way does for the four timed steps.
struct Way {
    std::function<void()> open;
    // Shows the records whose name begins with `text` (all of them for an empty text); returns
    // how many match.
    std::function<int(const QString& text)> key;
    // Reads DogumGunu of every record; returns the records and the characters read.
    std::function<std::pair<qint64, qint64>()> walk;
    // Changes Tel1 of the first record and saves it, the `k`th time.
    std::function<void(int k)> post;
};

Figures measure(const Way& way) {
    Figures f;
    QElapsedTimer clock;
    clock.start();
    way.open();
    f[u"open"_s] = QString::number(msSince(clock));

    // One keystroke for each letter typed, then for each one deleted back to an empty box.
    std::vector<double> keys;
    QStringList counts;
    for (const QString& prefix : kPrefixes) {
        for (int n = 1; n <= prefix.size(); ++n) {
            clock.start();
            const int matched = way.key(prefix.left(n));
            keys.push_back(msSince(clock));
            if (n == prefix.size())
                counts.append(QString::number(matched));
        }
        for (qsizetype n = prefix.size() - 1; n >= 0; --n) {
            clock.start();
            way.key(prefix.left(n));
            keys.push_back(msSince(clock));
        }
    }
    f[u"key"_s] = QString::number(median(keys));
    f[u"keys"_s] = QString::number(keys.size());
    f[u"counts"_s] = counts.join(QLatin1Char(','));

    clock.start();
    const auto [walked, chars] = way.walk();
    f[u"walk"_s] = QString::number(msSince(clock));
    f[u"walked"_s] = QString::number(walked);
    f[u"chars"_s] = QString::number(chars);

    std::vector<double> posts;
    for (int k = 1; k <= kPosts; ++k) {
        clock.start();
        way.post(k);
        posts.push_back(msSince(clock));
    }
    f[u"post"_s] = QString::number(median(posts));
    f[u"peak"_s] = QString::number(peakKb());
    return f;
}

Figures measureOurs(const QString& folder) {
    ravik::Dataset t(ravik::customerTableDef());
    t.setCalcFields(ravik::applyBalanceRule);
    t.setDirectory(folder);
    return measure({
        [&t] { t.open(); },
        [&t](const QString& text) {
            if (text.isEmpty()) {
                t.setFiltered(false);
            } else {
                t.setFilterText(u"[Isim]="_s + ravik::quotedStr(text + QLatin1Char('*')));
                t.setFiltered(true);
            }
            return t.recordCount();
        },
        [&t] {
            qint64 records = 0, chars = 0;
            t.first();
            while (!t.eof()) {
                chars += t.fieldByName(u"DogumGunu"_s)->asString().size();
                ++records;
                t.next();
            }
            return std::pair{records, chars};
        },
        [&t](int k) {
            t.first();
            t.edit();
            t.fieldByName(u"Tel1"_s)->setAsString(tel(k));
            t.post();
        },
    });
}

Figures measureStock(const QString& folder) {
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"bench"_s);
    db.setDatabaseName(QDir(folder).filePath(ravik::customerTableDef().fileName));
    QSqlTableModel model(nullptr, db);
    QString telSeen;
    Figures f = measure({
        [&] {
            if (!db.open())
                throw Error(u"Cannot open the table: "_s + db.lastError().text());
            model.setEditStrategy(QSqlTableModel::OnManualSubmit);
            model.setTable(u"Veri"_s);
            if (!model.select())
                throw Error(u"select() failed: "_s + model.lastError().text());
        },
        [&model](const QString& text) {
            QString like = text;
            like.replace(QLatin1Char('\''), u"''"_s);
            // setFilter selects again by itself once the model is populated.
            model.setFilter(text.isEmpty() ? QString() : u"Isim LIKE '"_s + like + u"%'"_s);
            if (!model.query().isActive() && !model.select())
                throw Error(u"select() failed: "_s + model.lastError().text());
            // An empty box shows the whole table: a view fetches it lazily, batch by batch.
            while (!text.isEmpty() && model.canFetchMore())
                model.fetchMore();
            return model.rowCount();
        },
        [&db] {
            qint64 records = 0, chars = 0;
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!q.exec(u"SELECT * FROM Veri"_s))
                throw Error(u"SELECT failed: "_s + q.lastError().text());
            const int born = q.record().indexOf(u"DogumGunu"_s);
            while (q.next()) {
                chars += q.value(born).toString().size();
                ++records;
            }
            return std::pair{records, chars};
        },
        [&](int k) {
            if (k == 1)
                telSeen = model.record(0).value(u"Tel1"_s).toString();
            // Other numbers than ours, so the next run sees whose post came last.
            model.setData(model.index(0, model.fieldIndex(u"Tel1"_s)), tel(10 + k));
            if (!model.submitAll())
                throw Error(u"submitAll() failed: "_s + model.lastError().text());
        },
    });
    f[u"tel"_s] = telSeen;
    return f;
}

// --- the parent: runs the children and prints the figures ----------------------------------

Figures runChild(const QString& way, const QString& folder) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), {u"--child"_s, way, u"--table"_s, folder});
    if (!p.waitForFinished(-1))
        throw Error(QStringLiteral("The %1 measurement did not run: %2").arg(way, p.errorString()));
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw Error(QStringLiteral("The %1 measurement failed (exit code %2)")
                        .arg(way)
                        .arg(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1));
    Figures f;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            f[QString::fromUtf8(line.left(eq))] = QString::fromUtf8(line.mid(eq + 1));
    }
    return f;
}

double num(const Figures& f, const QString& key) {
    return f.value(key).toDouble();
}

QString grouped(qint64 n) {
    QString s = QString::number(n);
    for (qsizetype i = s.size() - 3; i > 0; i -= 3)
        s.insert(i, QLatin1Char(','));
    return s;
}

struct Target {
    QString what;
    double value, limit;
    QString unit;
    bool below; // met when value < limit, else when value >= limit
};

void printSize(qint64 size, const QString& path, const Figures& ours, const Figures& stock) {
    std::printf("\n### %s records (Veri.db %.0f MB)\n\n", qPrintable(grouped(size)),
                double(QFileInfo(path).size()) / (1 << 20));
    std::printf("| measure | ours | stock Qt | stock/ours |\n|---|---:|---:|---:|\n");
    const struct {
        const char* label;
        QString key;
        const char* unit;
        double scale;
    } rows[] = {
        {"open", u"open"_s, "ms", 1},
        {"filter keystroke, median", u"key"_s, "ms", 1},
        {"full walk reading DogumGunu", u"walk"_s, "ms", 1},
        {"post one changed record, median", u"post"_s, "ms", 1},
        {"peak memory (VmHWM)", u"peak"_s, "MB", 1.0 / 1024},
    };
    for (const auto& r : rows) {
        const double a = num(ours, r.key) * r.scale, b = num(stock, r.key) * r.scale;
        std::printf("| %s | %.2f %s | %.2f %s | %.2f |\n", r.label, a, r.unit, b, r.unit,
                    a > 0 ? b / a : 0.0);
    }
    const QStringList oc = ours.value(u"counts"_s).split(QLatin1Char(','));
    const QStringList sc = stock.value(u"counts"_s).split(QLatin1Char(','));
    QStringList mismatched;
    for (qsizetype i = 0; i < kPrefixes.size(); ++i)
        if (sameForLike(kPrefixes[i]) && oc.value(i) != sc.value(i))
            mismatched.append(QStringLiteral("%1: ours %2, stock %3")
                                  .arg(kPrefixes[i], oc.value(i), sc.value(i)));
    std::printf("\n%s keystrokes each way. Matches after three letters (%s): ours %s; stock %s.\n",
                qPrintable(ours.value(u"keys"_s)), qPrintable(kPrefixes.join(u", "_s)),
                qPrintable(oc.join(u" "_s)), qPrintable(sc.join(u" "_s)));
    if (!mismatched.isEmpty())
        std::printf("FAULT: counts differ where they must agree: %s\n",
                    qPrintable(mismatched.join(u"; "_s)));
    if (ours.value(u"walked"_s) != QString::number(size) ||
        stock.value(u"walked"_s) != QString::number(size) ||
        ours.value(u"chars"_s) != stock.value(u"chars"_s))
        std::printf("FAULT: the walks differ: ours %s records / %s characters, stock %s / %s\n",
                    qPrintable(ours.value(u"walked"_s)), qPrintable(ours.value(u"chars"_s)),
                    qPrintable(stock.value(u"walked"_s)), qPrintable(stock.value(u"chars"_s)));
    if (stock.value(u"tel"_s) != tel(kPosts))
        std::printf("FAULT: stock Qt read Tel1 '%s' after our last post wrote '%s'\n",
                    qPrintable(stock.value(u"tel"_s)), qPrintable(tel(kPosts)));
}

int runParent(const QList<qint64>& sizes, const QString& root) {
    QList<Target> targets;
    std::printf("## Benchmark figures\n");
    for (qint64 size : sizes) {
        const QString folder = tableFolder(root, size);
        const QString path = QDir(folder).filePath(ravik::customerTableDef().fileName);
        readThrough(path);
        std::fprintf(stderr, "measuring %lld records: ours ...\n", size);
        const Figures ours = runChild(u"ours"_s, folder);
        std::fprintf(stderr, "measuring %lld records: stock Qt ...\n", size);
        const Figures stock = runChild(u"stock"_s, folder);
        printSize(size, path, ours, stock);
        std::fflush(stdout);
        const QString at = grouped(size) + u" records: "_s;
        if (size == 1000000) {
            targets += {at + u"open"_s, num(ours, u"open"_s), 1500, u"ms"_s, true};
            targets += {at + u"filter keystroke median"_s, num(ours, u"key"_s), 30, u"ms"_s, true};
            targets += {at + u"full walk"_s, num(ours, u"walk"_s), 1500, u"ms"_s, true};
            targets += {at + u"peak memory"_s, num(ours, u"peak"_s) / 1024, 300, u"MB"_s, true};
        }
        if (size == 100000)
            targets += {at + u"keystroke speed-up over stock"_s,
                        num(stock, u"key"_s) / num(ours, u"key"_s), 3, u"x"_s, false};
    }
    if (!targets.isEmpty()) {
        std::printf("\n### Targets\n\n| target | measured | limit | |\n|---|---:|---:|---|\n");
        for (const Target& t : targets) {
            const bool met = t.below ? t.value < t.limit : t.value >= t.limit;
            std::printf("| %s | %.2f %s | %s %g %s | %s |\n", qPrintable(t.what), t.value,
                        qPrintable(t.unit), t.below ? "<" : ">=", t.limit, qPrintable(t.unit),
                        met ? "met" : "NOT MET");
        }
    }
    return 0;
}

QList<qint64> parseSizes(const QString& text) {
    QList<qint64> sizes;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const qint64 n = part.trimmed().toLongLong(&ok);
        if (!ok || n <= 0 || n > 100000000)
            throw Error(QStringLiteral("--sizes: '%1' is not a record count from 1 to 100000000")
                            .arg(part.trimmed()));
        sizes.append(n);
    }
    return sizes;
}

int run(QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Times RavikPro's table layer against stock Qt SQL on generated customer tables."_s);
    parser.addHelpOption();
    const QCommandLineOption sizesOpt(u"sizes"_s, u"Comma-separated record counts."_s, u"list"_s,
                                      u"10000,100000,1000000"_s);
    const QCommandLineOption dirOpt(
        u"dir"_s, u"Folder for the tables, kept and reused (default: a temporary one)."_s,
        u"folder"_s);
    QCommandLineOption childOpt(u"child"_s, u"internal"_s, u"way"_s);
    QCommandLineOption tableOpt(u"table"_s, u"internal"_s, u"folder"_s);
    childOpt.setFlags(QCommandLineOption::HiddenFromHelp);
    tableOpt.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({sizesOpt, dirOpt, childOpt, tableOpt});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        throw Error(u"Unexpected argument: "_s + parser.positionalArguments().first());

    if (parser.isSet(childOpt)) {
        const QString way = parser.value(childOpt);
        if (way != u"ours"_s && way != u"stock"_s)
            throw Error(u"--child: unknown way "_s + way);
        const Figures f = way == u"ours"_s ? measureOurs(parser.value(tableOpt))
                                           : measureStock(parser.value(tableOpt));
        for (auto it = f.cbegin(); it != f.cend(); ++it)
            std::printf("%s=%s\n", qPrintable(it.key()), it.value().toUtf8().constData());
        return 0;
    }

    const QList<qint64> sizes = parseSizes(parser.value(sizesOpt));
    // A picture the generator writes must be one Qt reads.
    if (QImage::fromData(bitmap(0), "BMP").size() != QSize(128, 133))
        throw Error(u"The generated bitmap does not read back"_s);
    if (parser.isSet(dirOpt)) {
        const QString root = QFileInfo(parser.value(dirOpt)).absoluteFilePath();
        if (!QDir().mkpath(root))
            throw Error(QStringLiteral("Cannot create folder %1").arg(root));
        return runParent(sizes, root);
    }
    QTemporaryDir tmp(QDir::tempPath() + u"/ravikpro-bench-XXXXXX"_s);
    if (!tmp.isValid())
        throw Error(u"Cannot create a temporary folder: "_s + tmp.errorString());
    return runParent(sizes, tmp.path());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return run(app);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ravikpro-bench: %s\n", e.what());
        return 1;
    }
}
