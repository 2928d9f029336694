#pragma once

#include <QWidget>

namespace ravik {

// The picture viewer: the current customer's picture at its natural size.
class TResim1 : public QWidget {
    Q_OBJECT
public:
    TResim1();
    ~TResim1() override;
};

inline TResim1* Resim1 = nullptr;

} // namespace ravik
