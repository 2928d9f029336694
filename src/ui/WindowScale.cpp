#include "WindowScale.h"

#include <QFontMetrics>
#include <QWidget>

#include <cmath>

namespace ravik {

namespace {
// Free fonts close to the classic ones: Liberation Sans is metric-compatible with Arial.
const QString kSans = QStringLiteral("Liberation Sans");
constexpr int kDesignedTextHeight = 13;
constexpr int kWindowFontPixels = 11;
} // namespace

WindowScale::WindowScale() {
    QFont f(kSans);
    f.setPixelSize(kWindowFontPixels);
    ratio_ = double(QFontMetrics(f).height()) / kDesignedTextHeight;
    // Rounding of font metrics differs by a pixel between fonts; only real changes scale.
    if (std::abs(ratio_ - 1.0) < 0.1)
        ratio_ = 1.0;
}

int WindowScale::operator()(int designed) const {
    return int(std::lround(designed * ratio_));
}

QRect WindowScale::rect(int x, int y, int w, int h) const {
    return QRect((*this)(x), (*this)(y), (*this)(w), (*this)(h));
}

void WindowScale::place(QWidget* w, int x, int y, int width, int height) const {
    w->setGeometry(rect(x, y, width, height));
}

void WindowScale::placeAuto(QWidget* w, int x, int y) const {
    w->move((*this)(x), (*this)(y));
    w->adjustSize();
}

QFont WindowScale::font(const QString& family, int pixels) const {
    QFont f(family);
    f.setPixelSize((*this)(pixels));
    return f;
}

QFont WindowScale::windowFont() const {
    return font(kSans, kWindowFontPixels);
}

} // namespace ravik
