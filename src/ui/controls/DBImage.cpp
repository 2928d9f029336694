#include "DBImage.h"

#include "Prompts.h"
#include "data/Field.h"
#include "data/Picture.h"
#include "text/Errors.h"

#include <QPainter>

namespace ravik {

DBImage::DBImage(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    setPalette(p);
    link_.onDataChange = [this] { load(); };
}

void DBImage::load() {
    picture_ = QImage();
    update();
    if (!link_.field())
        return;
    try {
        picture_ = readPicture(link_.field()->bytes());
    } catch (const Error& e) {
        // Reported here so that the move or command that loaded the record still stands.
        Prompts::instance().showError(e.message(), this);
    }
}

void DBImage::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    if (!picture_.isNull()) {
        const QPoint at(inside.x() + (inside.width() - picture_.width()) / 2,
                        inside.y() + (inside.height() - picture_.height()) / 2);
        painter.drawImage(at, picture_);
    }
    if (hasFocus() || (window() && window()->focusWidget() == this)) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(inside.adjusted(0, 0, -1, -1));
    }
}

} // namespace ravik
