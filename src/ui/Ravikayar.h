#pragma once

#include <QDialog>

class QPushButton;

namespace ravik {

class DBCheckBox;
class DBEdit;
class TMenu1;

// The reminder settings window, bound to the main window's settings table.
class TAyarlar1 : public QDialog {
    Q_OBJECT
public:
    explicit TAyarlar1(TMenu1* menu);
    ~TAyarlar1() override;

    // "Kaydet": edit, store, close.
    void Button1Click();

private:
    TMenu1* menu_;
    DBCheckBox* DBCheckBox1;
    DBEdit* DBEdit1;
    QPushButton* Button1;
};

inline TAyarlar1* Ayarlar1 = nullptr;

} // namespace ravik
