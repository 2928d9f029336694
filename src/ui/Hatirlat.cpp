#include "Hatirlat.h"

#include "WindowScale.h"

namespace ravik {

THatirlat1::THatirlat1(TMenu1*) {
    setObjectName(QStringLiteral("Hatirlat1"));
    setWindowTitle(QStringLiteral("Hatırlatıcı"));
    const WindowScale s;
    setFont(s.windowFont());
    setFixedSize(s(342), s(207));
    Hatirlat1 = this;
}

THatirlat1::~THatirlat1() {
    Hatirlat1 = nullptr;
}

} // namespace ravik
