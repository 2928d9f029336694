#include "Resim.h"

#include "WindowScale.h"

namespace ravik {

TResim1::TResim1() {
    setObjectName(QStringLiteral("Resim1"));
    setWindowTitle(QStringLiteral("Resim"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    const WindowScale s;
    setFont(s.windowFont());
    resize(s(140), s(93));
    Resim1 = this;
}

TResim1::~TResim1() {
    Resim1 = nullptr;
}

} // namespace ravik
