#pragma once

#include "FieldDataLink.h"

#include <QFrame>
#include <QImage>

namespace ravik {

// The picture box: shows the field's picture at its natural size, centred and clipped, on the
// tooltip background. Content it cannot decode is reported and leaves the background showing;
// it never stops what loaded the record.
class DBImage : public QFrame {
    Q_OBJECT
public:
    explicit DBImage(QWidget* parent = nullptr);
    void setDataSource(DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& name) { link_.setFieldName(name); }
    Field* field() const { return link_.field(); }
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void load();

    FieldDataLink link_;
    QImage picture_;
};

} // namespace ravik
