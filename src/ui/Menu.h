#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;
class QFrame;

namespace ravik {

class Dataset;
class DataSource;
class DBEdit;
class DBGrid;
class DBImage;
class DBMemo;
class DatePicker;
class WindowScale;

// The main window: tool bar, name list, the current customer on four tab pages, status bar.
// It owns every table of the program.
class TMenu1 : public QWidget {
    Q_OBJECT
public:
    // Opens the tables in `directory` (the working directory when empty); throws when either
    // cannot be opened, customers first.
    explicit TMenu1(const QString& directory = {}, QWidget* parent = nullptr);
    ~TMenu1() override;

    Dataset* Table1;
    DataSource* DataSource1;
    Dataset* Table2;
    DataSource* DataSource2;

    // The first showing: the show handler, then centred on the screen, the name list focused.
    void showFirstTime();
    QString panelText(int panel) const;

    // Handlers.
    void FormShow(QObject* sender);
    void FormActivate();
    void DBGrid1CellClick();
    void DBGrid1KeyUp();
    void DBGrid1ColumnMoved();
    void Table1CalcFields(Dataset& customers);
    void Table1AfterInsert();
    void Table1AfterPost();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton8Click();
    void Edit1Change();
    void DateTimePicker1DropDown();
    void DateTimePicker1Change();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolBar(const WindowScale& s);
    void buildPages(const WindowScale& s);
    void buildStatusBar(const WindowScale& s);
    void pictureBoxRule();
    void recordCounter();

    QFrame* ToolBar1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton6;
    QToolButton* SpeedButton8;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    DBGrid* DBGrid1;
    QTabWidget* PageControl1;
    QLineEdit* Edit1;
    DBImage* DBImage1;
    DBEdit* DBEdit4;
    DatePicker* DateTimePicker1;
    QFrame* StatusBar1;
    QList<QLabel*> panels_;
    int toolBarHeight_ = 46;
    int statusHeight_ = 19;
    int gridWidth_ = 169;
};

} // namespace ravik
