#include "Menu.h"

#include "Application.h"
#include "Ravikayar.h"
#include "WindowScale.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBImage.h"
#include "controls/DBMemo.h"
#include "controls/DatePicker.h"
#include "controls/Prompts.h"
#include "data/BalanceRule.h"
#include "data/DataSource.h"
#include "data/Dataset.h"
#include "data/Field.h"
#include "text/ActiveSettings.h"
#include "text/Conversions.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

// The artwork lives in this static library: its resources are registered by hand.
static void registerArtwork() {
    Q_INIT_RESOURCE(resources);
}

namespace ravik {

namespace {

template <typename T> T* named(QWidget* parent, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* l = named<QLabel>(parent, name);
    l->setText(text);
    l->setFont(font);
    return l;
}

QFont styled(QFont f, bool bold, bool italic = false) {
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// The greyed "Olvenix" mark and the rule beside it, at the foot of two pages.
void signature(QWidget* page, const WindowScale& s, const char* textName, const char* ruleName,
               int ruleWidth) {
    auto* text = label(page, textName, QStringLiteral("Olvenix"), s.windowFont());
    text->setEnabled(false);
    s.place(text, 16, 299, 41, 17);
    auto* rule = named<QFrame>(page, ruleName);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    s.place(rule, 63, 304 - 1, ruleWidth, 2);
}

void setBackground(QWidget* w, const QColor& color, QPalette::ColorRole role = QPalette::Base) {
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
}

} // namespace

TMenu1::TMenu1(const QString& directory, QWidget* parent) : QWidget(parent) {
    registerArtwork();
    setObjectName(QStringLiteral("Menu1"));
    setWindowTitle(QStringLiteral("RavikPro 1.1"));
    const WindowScale s;
    setFont(s.windowFont());
    toolBarHeight_ = s(46);
    statusHeight_ = s(19);
    gridWidth_ = s(169);

    Table1 = new Dataset(customerTableDef(), this);
    Table1->setDirectory(directory);
    Table1->setCalcFields([this](Dataset& customers) { Table1CalcFields(customers); });
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);
    Table2 = new Dataset(settingsTableDef(), this);
    Table2->setDirectory(directory);
    DataSource2 = new DataSource(this);
    DataSource2->setObjectName(QStringLiteral("DataSource2"));
    DataSource2->setDataSet(Table2);

    buildToolBar(s);
    DBGrid1 = named<DBGrid>(this, "DBGrid1");
    DBGrid1->setDataSource(DataSource1);
    PageControl1 = named<QTabWidget>(this, "PageControl1");
    buildPages(s);
    buildStatusBar(s);
    Edit1 = named<QLineEdit>(this, "Edit1");
    setBackground(Edit1, QColor(255, 206, 254));
    s.place(Edit1, 13, 47, 137, 21);
    Edit1->hide();

    connect(Table1, &Dataset::afterInsert, this, &TMenu1::Table1AfterInsert);
    connect(Table1, &Dataset::afterEdit, this, &TMenu1::Table1AfterInsert);
    connect(Table1, &Dataset::afterPost, this, &TMenu1::Table1AfterPost);
    connect(Table1, &Dataset::afterCancel, this, &TMenu1::Table1AfterPost);
    // A deleted record leaves nothing to save or cancel.
    connect(Table1, &Dataset::afterDelete, this, &TMenu1::Table1AfterPost);
    connect(DBGrid1, &DBGrid::cellClicked, this, &TMenu1::DBGrid1CellClick);
    connect(DBGrid1, &DBGrid::keyReleased, this, &TMenu1::DBGrid1KeyUp);
    connect(DBGrid1, &DBGrid::columnMoved, this, &TMenu1::DBGrid1ColumnMoved);
    connect(Edit1, &QLineEdit::textChanged, this, &TMenu1::Edit1Change);

    resize(s(662), s(447));
    Table1->open();
    Table2->open();
}

TMenu1::~TMenu1() {
    // Controls go first, then the tables: the settings table closes before the customers.
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    qDeleteAll(children);
    delete Table2;
    delete Table1;
}

void TMenu1::buildToolBar(const WindowScale& s) {
    ToolBar1 = named<QFrame>(this, "ToolBar1");
    ToolBar1->setFrameStyle(QFrame::Box | QFrame::Plain);
    struct Button {
        QToolButton** field;
        const char* name;
        QString caption;
        int left, width;
        const char* glyph;
        bool bold;
        void (TMenu1::*click)();
    };
    const Button buttons[] = {
        {&SpeedButton1, "SpeedButton1", QStringLiteral("Yeni Ekle"), 0, 97, ":/art/yeni.png", false,
         &TMenu1::SpeedButton1Click},
        {&SpeedButton5, "SpeedButton5", QStringLiteral("Sil"), 97, 64, ":/art/sil.png", false,
         &TMenu1::SpeedButton5Click},
        {&SpeedButton2, "SpeedButton2", QStringLiteral("Bul"), 161, 64, ":/art/bul.png", false,
         &TMenu1::SpeedButton2Click},
        {&SpeedButton6, "SpeedButton6", QStringLiteral("Ayarlar"), 225, 80, ":/art/ayarlar.png",
         false, &TMenu1::SpeedButton6Click},
        {&SpeedButton8, "SpeedButton8", QStringLiteral("Kimin Doğum Günü?"), 313, 112, nullptr,
         false, &TMenu1::SpeedButton8Click},
        {&SpeedButton3, "SpeedButton3", QStringLiteral("Kaydet"), 425, 56, nullptr, true,
         &TMenu1::SpeedButton3Click},
        {&SpeedButton4, "SpeedButton4", QStringLiteral("Vazgeç"), 481, 64, nullptr, true,
         &TMenu1::SpeedButton4Click},
    };
    for (const Button& b : buttons) {
        auto* button = named<QToolButton>(ToolBar1, b.name);
        button->setText(b.caption);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(styled(s.windowFont(), b.bold));
        if (b.glyph) {
            button->setIcon(QIcon(QString::fromLatin1(b.glyph)));
            button->setIconSize(QSize(s(32), s(32)));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        } else {
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        s.place(button, b.left, 2, b.width, 39);
        connect(button, &QToolButton::clicked, this, b.click);
        *b.field = button;
    }
    auto* separator = named<QFrame>(ToolBar1, "ToolButton1");
    s.place(separator, 305, 2, 8, 39);
    SpeedButton3->hide();
    SpeedButton4->hide();
}

void TMenu1::buildPages(const WindowScale& s) {
    const QFont bold = styled(s.windowFont(), true);
    const struct {
        const char* name;
        QString caption;
        const char* icon;
    } pages[] = {
        {"TabSheet1", QStringLiteral("Genel Bilgiler"), ":/art/tab-genel.png"},
        {"TabSheet2", QStringLiteral("Yapılan İşlemler"), ":/art/tab-islem.png"},
        {"TabSheet3", QStringLiteral("Notlar"), ":/art/tab-notlar.png"},
        {"TabSheet4", QStringLiteral("Ücret"), ":/art/tab-ucret.png"},
    };
    QList<QWidget*> sheets;
    for (const auto& p : pages) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QLatin1String(p.name));
        PageControl1->addTab(sheet, QIcon(QString::fromLatin1(p.icon)), p.caption);
        sheets.append(sheet);
    }
    PageControl1->setIconSize(QSize(s(16), s(16)));
    const auto edit = [&](QWidget* page, const char* name, const char* field, int x, int y, int w,
                          int h) {
        auto* e = named<DBEdit>(page, name);
        e->setDataSource(DataSource1);
        e->setDataField(QLatin1String(field));
        s.place(e, x, y, w, h);
        return e;
    };
    const auto memo = [&](QWidget* page, const char* name, const char* field) {
        auto* m = named<DBMemo>(page, name);
        m->setDataSource(DataSource1);
        m->setDataField(QLatin1String(field));
        return m;
    };

    QWidget* general = sheets[0];
    s.placeAuto(label(general, "Label1", QStringLiteral("İsim [Adı Soyadı veya Ünvanı]"),
                      styled(s.font(QStringLiteral("DejaVu Sans"), 11), true)),
                16, 8);
    edit(general, "DBEdit1", "Isim", 16, 24, 345, 21);
    s.placeAuto(label(general, "Label2", QStringLiteral("1. Adres"), bold), 16, 48);
    s.place(memo(general, "DBMemo1", "Adres"), 16, 64, 345, 89);
    s.placeAuto(label(general, "Label4", QStringLiteral("Telefonlar"), bold), 16, 160);
    edit(general, "DBEdit2", "Tel1", 16, 176, 177, 21);
    s.placeAuto(label(general, "Label5", QStringLiteral("Telefonlar"), bold), 200, 160);
    edit(general, "DBEdit3", "Tel2", 200, 176, 161, 21);
    s.placeAuto(label(general, "Label6", QStringLiteral("Doğum Günü"), bold), 368, 160);
    DBEdit4 = edit(general, "DBEdit4", "DogumGunu", 368, 176, 73, 21);
    DBEdit4->setBirthdayMask(true);
    DateTimePicker1 = named<DatePicker>(general, "DateTimePicker1");
    s.place(DateTimePicker1, 440, 176, 18, 21);
    connect(DateTimePicker1, &DatePicker::aboutToDropDown, this, &TMenu1::DateTimePicker1DropDown);
    connect(DateTimePicker1, &DatePicker::dateChanged, this, &TMenu1::DateTimePicker1Change);
    s.placeAuto(label(general, "Label3", QStringLiteral("2. Adres"), bold), 16, 200);
    s.place(memo(general, "DBMemo2", "IsAdres"), 16, 216, 345, 81);
    s.placeAuto(
        label(general, "Label8", QStringLiteral("Resim"), styled(s.windowFont(), false, true)), 368,
        8);
    auto* placeholder = named<QLabel>(general, "Image1");
    placeholder->setPixmap(QPixmap(QStringLiteral(":/art/resim-yok.png")));
    placeholder->setScaledContents(true);
    s.place(placeholder, 368, 24, 113, 129);
    for (const char* name : {"Image2", "Image3"}) {
        auto* frame = named<QLabel>(general, name);
        frame->setScaledContents(true);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        s.place(frame, 368, 24, 113, 129);
    }
    general->findChild<QLabel*>(QStringLiteral("Image3"))->hide();
    DBImage1 = named<DBImage>(general, "DBImage1");
    DBImage1->setDataSource(DataSource1);
    DBImage1->setDataField(QStringLiteral("Resim"));
    s.place(DBImage1, 368, 24, 113, 129);
    DBImage1->hide();
    signature(general, s, "StaticText2", "Bevel1", 417);

    auto* work = memo(sheets[1], "DBMemo3", "Detay");
    setBackground(work, QColor(207, 250, 254));
    auto* workLayout = new QHBoxLayout(sheets[1]);
    workLayout->setContentsMargins(0, 0, 0, 0);
    workLayout->addWidget(work);

    const struct {
        const char* name;
        const char* field;
        int top;
    } notes[] = {{"DBEdit5", "Not1", 24},
                 {"DBEdit6", "Not2", 64},
                 {"DBEdit7", "Not3", 104},
                 {"DBEdit9", "Not4", 144},
                 {"DBEdit8", "Not5", 184}};
    for (const auto& n : notes)
        edit(sheets[2], n.name, n.field, 16, n.top, 450, 21);
    signature(sheets[2], s, "StaticText1", "Bevel2", 412);

    const struct {
        const char* label;
        QString caption;
        int labelTop;
        const char* edit;
        const char* field;
        int editTop;
    } money[] = {{"Label7", QStringLiteral("Ücret"), 8, "DBEdit10", "Ucret", 24},
                 {"Label9", QStringLiteral("Alınan"), 58, "DBEdit11", "Alinan", 71},
                 {"Label10", QStringLiteral("Kalan"), 105, "DBEdit12", "Kalan", 119}};
    for (const auto& m : money) {
        s.placeAuto(label(sheets[3], m.label, m.caption, bold), 376, m.labelTop);
        auto* e = edit(sheets[3], m.edit, m.field, 376, m.editTop, 90, 19);
        e->setFrame(false);
        setBackground(e, Qt::yellow);
    }
}

void TMenu1::buildStatusBar(const WindowScale& s) {
    StatusBar1 = named<QFrame>(this, "StatusBar1");
    auto* row = new QHBoxLayout(StatusBar1);
    row->setContentsMargins(0, s(2), 0, s(1));
    row->setSpacing(s(2));
    const struct {
        QString text;
        Qt::Alignment align;
        bool sunken;
    } panels[] = {{QStringLiteral("Kayıt"), Qt::AlignRight, false},
                  {{}, Qt::AlignLeft, true},
                  {{}, Qt::AlignLeft, true},
                  {QStringLiteral(" "), Qt::AlignHCenter, false},
                  {{}, Qt::AlignLeft, true},
                  {{}, Qt::AlignLeft, true}};
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(panels[i].text, StatusBar1);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setAlignment(panels[i].align | Qt::AlignVCenter);
        if (panels[i].sunken)
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i < 5)
            panel->setFixedWidth(s(50));
        panel->setFixedHeight(s(16));
        row->addWidget(panel, i == 5 ? 1 : 0);
        panels_.append(panel);
    }
}

void TMenu1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width(), h = height();
    ToolBar1->setGeometry(0, 0, w, toolBarHeight_);
    StatusBar1->setGeometry(0, h - statusHeight_, w, statusHeight_);
    const int middle = h - toolBarHeight_ - statusHeight_;
    DBGrid1->setGeometry(0, toolBarHeight_, gridWidth_, middle);
    PageControl1->setGeometry(gridWidth_, toolBarHeight_, w - gridWidth_, middle);
    Edit1->raise();
}

QString TMenu1::panelText(int panel) const {
    return panels_.value(panel)->text();
}

void TMenu1::showFirstTime() {
    try {
        FormShow(this);
    } catch (...) {
        Application::showCurrentException();
    }
    // Centre the outer window: the frame around the client area is not known before it shows,
    // so take the classic one (4 pixels each side, a 23-pixel caption).
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = size() + QSize(8, 27);
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
    show();
    DBGrid1->setFocus();
    activateWindow();
}

bool TMenu1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TMenu1::closeEvent(QCloseEvent* event) {
    // What was typed is not thrown away: the record is stored as a move would store it.
    if (Table1->isEditing()) {
        try {
            Table1->checkBrowseMode();
        } catch (...) {
            event->ignore();
            throw;
        }
    }
    event->accept();
    // The program ends with its main window, whatever other windows are open.
    QCoreApplication::quit();
}

// --- navigation ----------------------------------------------------------------------------

void TMenu1::pictureBoxRule() {
    DBImage1->setVisible(Table1->fieldByName(QStringLiteral("Resim"))->blobSize() > 0);
}

void TMenu1::recordCounter() {
    panels_[1]->setText(QString::number(Table1->recNo()));
    panels_[2]->setText(QString::number(Table1->recordCount()));
}

void TMenu1::FormShow(QObject*) {}

void TMenu1::FormActivate() {
    pictureBoxRule();
}

void TMenu1::DBGrid1CellClick() {
    pictureBoxRule();
    recordCounter();
}

void TMenu1::DBGrid1KeyUp() {
    pictureBoxRule();
    recordCounter();
}

void TMenu1::DBGrid1ColumnMoved() {
    recordCounter();
}

// --- record commands -----------------------------------------------------------------------

void TMenu1::Table1CalcFields(Dataset& customers) {
    applyBalanceRule(customers);
}

void TMenu1::Table1AfterInsert() {
    SpeedButton1->setEnabled(false);
    SpeedButton2->setEnabled(false);
    SpeedButton3->show();
    SpeedButton4->show();
}

void TMenu1::Table1AfterPost() {
    SpeedButton1->setEnabled(true);
    SpeedButton2->setEnabled(true);
    SpeedButton3->hide();
    SpeedButton4->hide();
}

void TMenu1::SpeedButton1Click() {
    Table1->append();
}

void TMenu1::SpeedButton3Click() {
    Table1->post();
    Table1->flushBuffers();
}

void TMenu1::SpeedButton4Click() {
    Table1->cancel();
}

void TMenu1::SpeedButton5Click() {
    Prompts& prompts = Prompts::instance();
    if (prompts.question(this, QStringLiteral("Mesaj"),
                         QStringLiteral("Bu Kayıt Silinecek Eminmisiniz?"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    if (Table1->recordCount() > 0)
        Table1->deleteRecord();
    else
        prompts.message(nullptr, QStringLiteral("RavikPro"),
                        QStringLiteral("Silinecek Kayıt Buluamadı!\rOlmayan Kayıt nasıl silinir "
                                       "söylermisiniz!\rEhüehüehü  :->"));
}

void TMenu1::SpeedButton2Click() {
    Edit1->setVisible(Edit1->isHidden());
}

void TMenu1::Edit1Change() {
    Table1->setFilterText(QStringLiteral("[Isim]=") + quotedStr(Edit1->text() + QLatin1Char('*')));
    Table1->setFiltered(true);
    if (Edit1->text().isEmpty())
        Table1->setFiltered(false);
}

void TMenu1::DateTimePicker1DropDown() {
    DateTimePicker1->setDate(strToDate(DBEdit4->birthdayText(), activeFormat()));
}

void TMenu1::DateTimePicker1Change() {
    Table1->edit();
    Table1->fieldByName(QStringLiteral("DogumGunu"))
        ->setAsString(dateToStr(DateTimePicker1->date(), activeFormat()));
}

void TMenu1::SpeedButton6Click() {
    if (Ayarlar1)
        Prompts::instance().runModal(Ayarlar1);
}

void TMenu1::SpeedButton8Click() {
    FormShow(SpeedButton8);
}

} // namespace ravik
