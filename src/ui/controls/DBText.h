#pragma once

#include "DBEdit.h"

#include <QLabel>

namespace ravik {

// A label showing its field's display text, kept up to date with every change of the record.
class DBText : public QLabel, public FieldControl {
    Q_OBJECT
public:
    explicit DBText(QWidget* parent = nullptr);
};

} // namespace ravik
