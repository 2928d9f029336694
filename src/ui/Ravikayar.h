#pragma once

#include <QDialog>

namespace ravik {

class TMenu1;

// The reminder settings window, bound to the main window's settings table.
class TAyarlar1 : public QDialog {
    Q_OBJECT
public:
    explicit TAyarlar1(TMenu1* menu);
    ~TAyarlar1() override;
};

inline TAyarlar1* Ayarlar1 = nullptr;

} // namespace ravik
