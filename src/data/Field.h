#pragma once

#include "TableDef.h"

#include <QByteArray>
#include <QObject>
#include <QVariant>

namespace ravik {

class Dataset;

// One field of a dataset's current record, named after the table and the field
// ("Table1Isim"). Reads and writes go to the dataset's record buffer.
class Field : public QObject {
    Q_OBJECT
public:
    Field(Dataset* dataset, int index);

    Dataset* dataset() const { return dataset_; }
    int index() const { return index_; }
    const FieldDef& def() const;
    QString fieldName() const { return def().name; }
    FieldKind kind() const { return def().kind; }
    int size() const { return def().size; }
    bool isCalculated() const { return def().calculated; }
    // Whether a control may start changing this field (not calculated, not the id, table writable).
    bool canModify() const;

    bool isNull() const;
    QVariant value() const;
    void setValue(const QVariant& value);
    void clear() { setValue({}); }

    QString asString() const;
    // Text as typed: truncated to the size for text fields; throws ConvertError when a number,
    // date or truth value does not read.
    void setAsString(const QString& text);
    double asFloat() const; // empty reads as 0
    void setAsFloat(double value);
    bool asBoolean() const; // empty reads as false
    void setAsBoolean(bool value);

    // What a control shows while not editing, and while editing.
    QString displayText() const;
    QString editText() const;

    // Picture bytes.
    QByteArray bytes() const;
    void setBytes(const QByteArray& bytes);
    // Throws "Cannot open file %s" when the file cannot be read.
    void loadFromFile(const QString& path);
    qint64 blobSize() const;

private:
    Dataset* dataset_;
    int index_;
};

} // namespace ravik
