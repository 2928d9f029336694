#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace ravik {

// Layouts are drawn for a text height of 13 pixels; with other fonts every position, size and
// font is scaled by the ratio of the real text height to 13 as the window is built.
class WindowScale {
public:
    WindowScale();
    double ratio() const { return ratio_; }
    int operator()(int designed) const;
    QRect rect(int x, int y, int w, int h) const;
    void place(QWidget* w, int x, int y, int width, int height) const;
    // Places at (x, y) with the size its text needs.
    void placeAuto(QWidget* w, int x, int y) const;
    // The window font (11-pixel characters), scaled.
    QFont windowFont() const;
    // A font of the given family and character height, scaled.
    QFont font(const QString& family, int pixels) const;

private:
    double ratio_ = 1.0;
};

} // namespace ravik
