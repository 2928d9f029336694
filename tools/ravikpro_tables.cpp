// ravikpro-tables: the companion program that creates and looks after RavikPro's table files.
#include "data/Dataset.h"
#include "data/Field.h"
#include "data/SqliteStore.h"
#include "data/TableDef.h"
#include "text/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace ravik;

namespace {

void say(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Creates empty Veri.db and Ayar.db (one settings row: Aktif on, Gun 0) in an existing folder
// that holds neither.
void init(const QString& dirArg) {
    const QFileInfo dir(dirArg);
    const QString where = dir.absoluteFilePath();
    if (!dir.exists())
        throw Error(QStringLiteral("%1 does not exist").arg(where));
    if (!dir.isDir())
        throw Error(QStringLiteral("%1 is not a folder").arg(where));
    const TableDef* defs[] = {&customerTableDef(), &settingsTableDef()};
    for (const TableDef* def : defs)
        if (QFileInfo::exists(QDir(where).filePath(def->fileName)))
            throw Error(QStringLiteral("%1 already holds %2; nothing was changed")
                            .arg(where, def->fileName));
    QStringList made;
    try {
        for (const TableDef* def : defs) {
            const QString path = QDir(where).filePath(def->fileName);
            SqliteStore::createFile(path, *def);
            made.append(path);
        }
        Dataset settings(settingsTableDef());
        settings.setDirectory(where);
        settings.open();
        settings.append();
        settings.fieldByName(QStringLiteral("Aktif"))->setAsBoolean(true);
        settings.fieldByName(QStringLiteral("Gun"))->setAsFloat(0);
        settings.post();
        settings.close();
    } catch (...) {
        for (const QString& path : made)
            QFile::remove(path);
        throw;
    }
}

int usage() {
    say(QStringLiteral("usage: ravikpro-tables init DIR\n"
                       "  init DIR   create empty Veri.db and Ayar.db in the folder DIR"));
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2 || args[0] != QLatin1String("init"))
        return usage();
    try {
        init(args[1]);
    } catch (const Error& e) {
        say(QStringLiteral("ravikpro-tables: ") + e.message());
        return 1;
    }
    say(QStringLiteral("Created Veri.db and Ayar.db in %1")
            .arg(QFileInfo(args[1]).absoluteFilePath()));
    return 0;
}
