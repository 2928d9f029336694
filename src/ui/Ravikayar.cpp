#include "Ravikayar.h"

#include "WindowScale.h"

namespace ravik {

TAyarlar1::TAyarlar1(TMenu1*) {
    setObjectName(QStringLiteral("Ayarlar1"));
    setWindowTitle(QStringLiteral("Ayarlar"));
    const WindowScale s;
    setFont(s.windowFont());
    setFixedSize(s(259), s(148));
    Ayarlar1 = this;
}

TAyarlar1::~TAyarlar1() { Ayarlar1 = nullptr; }

} // namespace ravik
