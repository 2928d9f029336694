#include "Field.h"

#include "Dataset.h"
#include "text/ActiveSettings.h"
#include "text/Conversions.h"
#include "text/Errors.h"

#include <QFile>
#include <QFileInfo>

namespace ravik {

Field::Field(Dataset* dataset, int index) : QObject(dataset), dataset_(dataset), index_(index) {
    setObjectName(dataset->def().component + def().name);
}

const FieldDef& Field::def() const {
    return dataset_->def().fields[index_];
}

bool Field::canModify() const {
    return !isCalculated() && kind() != FieldKind::AutoInc && dataset_->canModify();
}

bool Field::isNull() const {
    if (kind() == FieldKind::Graphic)
        return blobSize() == 0;
    return dataset_->slot(index_).value.isNull();
}

QVariant Field::value() const {
    if (kind() == FieldKind::Graphic)
        return bytes();
    return dataset_->slot(index_).value;
}

void Field::setValue(const QVariant& value) {
    QVariant v = value;
    if (!v.isNull() && (kind() == FieldKind::String || kind() == FieldKind::Memo)) {
        QString s = v.toString();
        if (kind() == FieldKind::String)
            s.truncate(size());
        // An empty text is stored as an empty field.
        v = s.isEmpty() ? QVariant() : QVariant(s);
    }
    if (kind() == FieldKind::Graphic && v.toByteArray().isEmpty())
        v = QVariant();
    dataset_->setSlotValue(index_, v);
}

QString Field::asString() const {
    const QVariant v = value();
    if (v.isNull())
        return {};
    switch (kind()) {
    case FieldKind::Currency:
    case FieldKind::Float:
        return floatToStr(v.toDouble(), activeFormat());
    case FieldKind::Date:
        return dateToStr(v.toDate(), activeFormat());
    case FieldKind::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldKind::Graphic:
        return QStringLiteral("(GRAPHIC)");
    default:
        return v.toString();
    }
}

void Field::setAsString(const QString& text) {
    switch (kind()) {
    case FieldKind::Currency:
    case FieldKind::Float: {
        if (text.trimmed().isEmpty()) {
            clear();
            return;
        }
        const auto number = textToFloat(text, activeFormat());
        if (!number)
            throw ConvertError(
                QStringLiteral("'%1' is not a valid floating point value for field '%2'")
                    .arg(text, fieldName()));
        setValue(*number);
        return;
    }
    case FieldKind::Date:
        if (text.trimmed().isEmpty())
            clear();
        else
            setValue(strToDate(text, activeFormat()));
        return;
    case FieldKind::Boolean: {
        const QString t = text.trimmed();
        if (t.isEmpty())
            clear();
        else if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
                 t == QLatin1String("1"))
            setValue(true);
        else if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
                 t == QLatin1String("0"))
            setValue(false);
        else
            throw ConvertError(QStringLiteral("'%1' is not a valid boolean value for field '%2'")
                                   .arg(text, fieldName()));
        return;
    }
    case FieldKind::AutoInc:
        setValue(strToInt(text));
        return;
    case FieldKind::Graphic:
        setBytes(text.toUtf8());
        return;
    default:
        setValue(text);
    }
}

double Field::asFloat() const {
    const QVariant v = value();
    return v.isNull() ? 0.0 : v.toDouble();
}

void Field::setAsFloat(double value) {
    setValue(value);
}

bool Field::asBoolean() const {
    const QVariant v = value();
    return !v.isNull() && v.toBool();
}

void Field::setAsBoolean(bool value) {
    setValue(value);
}

QString Field::displayText() const {
    if (kind() == FieldKind::Currency && !isNull())
        return formatCurrency(asFloat(), activeFormat());
    return asString();
}

QString Field::editText() const {
    if (kind() == FieldKind::Currency && !isNull())
        return formatMoneyEdit(asFloat(), activeFormat());
    return asString();
}

QByteArray Field::bytes() const {
    if (kind() != FieldKind::Graphic)
        return value().toByteArray();
    return dataset_->slot(index_).value.toByteArray();
}

void Field::setBytes(const QByteArray& bytes) {
    setValue(bytes);
}

void Field::loadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open file %1").arg(QFileInfo(path).absoluteFilePath()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Cannot read file %1: %2")
                        .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    setBytes(bytes);
}

qint64 Field::blobSize() const {
    return dataset_->blobSize(index_);
}

} // namespace ravik
