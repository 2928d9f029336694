#include "TableDef.h"

namespace ravik {

int TableDef::indexOf(const QString& field) const {
    // Code names fields exactly; only other programs' spellings need the slower comparison.
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name == field)
            return i;
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString sqlDeclaredType(const FieldDef& f) {
    switch (f.kind) {
    case FieldKind::AutoInc:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldKind::String:
        return QStringLiteral("VARCHAR(%1)").arg(f.size);
    case FieldKind::Memo:
        return QStringLiteral("TEXT");
    case FieldKind::Date:
        return QStringLiteral("DATE");
    case FieldKind::Currency:
    case FieldKind::Float:
        return QStringLiteral("DOUBLE");
    case FieldKind::Boolean:
        return QStringLiteral("BOOLEAN");
    case FieldKind::Graphic:
        return QStringLiteral("BLOB");
    }
    return {};
}

QString fieldKindName(FieldKind kind) {
    switch (kind) {
    case FieldKind::AutoInc:
        return QStringLiteral("AutoInc");
    case FieldKind::String:
        return QStringLiteral("String");
    case FieldKind::Memo:
        return QStringLiteral("Memo");
    case FieldKind::Date:
        return QStringLiteral("Date");
    case FieldKind::Currency:
        return QStringLiteral("Currency");
    case FieldKind::Float:
        return QStringLiteral("Float");
    case FieldKind::Boolean:
        return QStringLiteral("Boolean");
    case FieldKind::Graphic:
        return QStringLiteral("Graphic");
    }
    return {};
}

const TableDef& customerTableDef() {
    static const TableDef def{
        QStringLiteral("Table1"),
        QStringLiteral("Veri.db"),
        {
            {QStringLiteral("Id"), FieldKind::AutoInc},
            {QStringLiteral("Isim"), FieldKind::String, 50},
            {QStringLiteral("Adres"), FieldKind::Memo, 100},
            {QStringLiteral("IsAdres"), FieldKind::Memo, 100},
            {QStringLiteral("Tel1"), FieldKind::String, 50},
            {QStringLiteral("Tel2"), FieldKind::String, 50},
            {QStringLiteral("DogumGunu"), FieldKind::String, 10},
            {QStringLiteral("IslemTarihi"), FieldKind::Date},
            {QStringLiteral("Detay"), FieldKind::Memo, 200},
            {QStringLiteral("Ucret"), FieldKind::Currency},
            {QStringLiteral("Alinan"), FieldKind::Currency},
            {QStringLiteral("Kalan"), FieldKind::Currency, 0, true},
            {QStringLiteral("Not1"), FieldKind::String, 255},
            {QStringLiteral("Not2"), FieldKind::String, 255},
            {QStringLiteral("Not3"), FieldKind::String, 255},
            {QStringLiteral("Not4"), FieldKind::String, 255},
            {QStringLiteral("Not5"), FieldKind::String, 255},
            {QStringLiteral("Resim"), FieldKind::Graphic},
            {QStringLiteral("Bag1"), FieldKind::String, 10},
        },
        QStringLiteral("Isim"),
    };
    return def;
}

const TableDef& settingsTableDef() {
    static const TableDef def{
        QStringLiteral("Table2"),
        QStringLiteral("Ayar.db"),
        {
            {QStringLiteral("Gun"), FieldKind::Float},
            {QStringLiteral("Konu"), FieldKind::String, 100},
            {QStringLiteral("Uyari"), FieldKind::String, 255},
            {QStringLiteral("Aktif"), FieldKind::Boolean},
            {QStringLiteral("Tarih"), FieldKind::Date},
        },
        {},
    };
    return def;
}

} // namespace ravik
