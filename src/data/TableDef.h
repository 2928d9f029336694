#pragma once

#include <QList>
#include <QString>

namespace ravik {

enum class FieldKind { AutoInc, String, Memo, Date, Currency, Float, Boolean, Graphic };

struct FieldDef {
    QString name;
    FieldKind kind;
    int size = 0;            // characters for String; informative for Memo
    bool calculated = false; // worked out, never stored
};

struct TableDef {
    QString component; // "Table1": the prefix of its errors
    QString fileName;  // "Veri.db"
    QList<FieldDef> fields;
    QString nameField; // the field the view keeps in memory and filters on; empty for none

    // The table inside the file is named after the file's stem.
    QString sqlTable() const { return fileName.section(QLatin1Char('.'), 0, 0); }
    int indexOf(const QString& field) const;
};

// The declared SQL type of a stored field, as table files are created with.
QString sqlDeclaredType(const FieldDef& f);
// The type names used in "Type mismatch" messages.
QString fieldKindName(FieldKind kind);

const TableDef& customerTableDef();
const TableDef& settingsTableDef();

} // namespace ravik
