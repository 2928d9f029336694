#pragma once

#include <QDialog>

namespace ravik {

class TMenu1;

// The birthday reminder window, bound to the main window's customer table.
class THatirlat1 : public QDialog {
    Q_OBJECT
public:
    explicit THatirlat1(TMenu1* menu);
    ~THatirlat1() override;
};

inline THatirlat1* Hatirlat1 = nullptr;

} // namespace ravik
