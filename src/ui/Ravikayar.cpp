#include "Ravikayar.h"

#include "Menu.h"
#include "WindowScale.h"
#include "controls/DBCheckBox.h"
#include "controls/DBEdit.h"
#include "data/Dataset.h"

#include <QLabel>
#include <QPushButton>

namespace ravik {

TAyarlar1::TAyarlar1(TMenu1* menu) : menu_(menu) {
    setObjectName(QStringLiteral("Ayarlar1"));
    setWindowTitle(QStringLiteral("Ayarlar"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    const WindowScale s;
    setFont(s.windowFont());
    setFixedSize(s(259), s(148));

    auto* band = new QLabel(this);
    band->setObjectName(QStringLiteral("Shape1"));
    band->setStyleSheet(QStringLiteral("background: white; border: 1px solid black;"));
    s.place(band, 0, 0, 259, 41);
    auto* heading = new QLabel(QStringLiteral("Doğum günü  hatırlatma ayarları. "), this);
    heading->setObjectName(QStringLiteral("Label1"));
    s.placeAuto(heading, 16, 8);

    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("Bevel2"));
    box->setFrameStyle(QFrame::Panel | QFrame::Raised);
    s.place(box, 0, 41, 259, 107);

    DBCheckBox1 = new DBCheckBox(QStringLiteral("Aktif:"), this);
    DBCheckBox1->setObjectName(QStringLiteral("DBCheckBox1"));
    DBCheckBox1->setCaptionLeft(true);
    DBCheckBox1->setDataSource(menu->DataSource2);
    DBCheckBox1->setDataField(QStringLiteral("Aktif"));
    // The caption needs more room in the free fonts: it grows to the left, the box stays put.
    const int boxWidth = std::max(s(41), DBCheckBox1->sizeHint().width());
    DBCheckBox1->setGeometry(s(44 + 41) - boxWidth, s(48), boxWidth, s(17));

    auto* days = new QLabel(QStringLiteral("Gün:"), this);
    days->setObjectName(QStringLiteral("Label2"));
    s.placeAuto(days, 46, 76);
    DBEdit1 = new DBEdit(this);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setDataSource(menu->DataSource2);
    DBEdit1->setDataField(QStringLiteral("Gun"));
    s.place(DBEdit1, 72, 72, 49, 21);

    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("Image1"));
    note->setPixmap(QPixmap(QStringLiteral(":/art/not.png")));
    note->setAlignment(Qt::AlignCenter);
    s.place(note, 200, 48, 41, 41);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Bevel1"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    s.place(rule, 65, 104, 193, 2);
    auto* mark = new QLabel(QStringLiteral("Olvenix"), this);
    mark->setObjectName(QStringLiteral("StaticText1"));
    mark->setEnabled(false);
    s.place(mark, 24, 99, 41, 17);

    Button1 = new QPushButton(QStringLiteral("Kaydet"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    s.place(Button1, 176, 112, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TAyarlar1::Button1Click);

    // Tab order: Kaydet, Gün, Aktif; the first opening starts on Kaydet.
    setTabOrder(Button1, DBEdit1);
    setTabOrder(DBEdit1, DBCheckBox1);
    Button1->setFocus();
    Ayarlar1 = this;
}

TAyarlar1::~TAyarlar1() {
    Ayarlar1 = nullptr;
}

void TAyarlar1::Button1Click() {
    menu_->Table2->edit();
    menu_->Table2->post();
    close();
}

} // namespace ravik
