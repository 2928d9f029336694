#pragma once

#include "data/DataLink.h"

#include <QPointer>
#include <QTableView>

namespace ravik {

class DataSource;
class Dataset;
class NameEditor;
class NameDelegate;
class NameListModel;

// The name list: the customers of a data source's view in one column, the current one marked in
// the indicator column. Clicks, arrow and page keys, Insert, Ctrl+Delete and typed names act on
// the dataset the way the classic data grid does; the view only follows the dataset's current
// record, so a move made by any other control shows here too. Errors of the dataset leave the
// event handler as exceptions.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget* parent = nullptr);
    // Over a model of the caller's making, which the grid takes over.
    explicit DBGrid(NameListModel* model, QWidget* parent = nullptr);
    ~DBGrid() override;

    void setDataSource(DataSource* source);
    DataSource* dataSource() const;
    NameListModel* nameModel() const { return model_; }

signals:
    // The left button was released over a data cell after its press made that row current.
    void cellClicked();
    // A key was released while the list or its cell editor had the focus.
    void keyReleased();
    void columnMoved();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class NameEditor;
    friend class NameDelegate;

    class Link : public DataLink {
    public:
        explicit Link(DBGrid* grid) : grid_(grid) {}
        void dataEvent(DataEvent event, Field* field) override;

    private:
        DBGrid* grid_;
    };

    Dataset* dataset() const;
    NameEditor* openEditor() const;
    int nameLength() const;
    bool beginChange();
    void storeEditor();
    void commitEditor();
    void dropEditor();
    void syncCurrent();
    void focusMoved(QWidget* old, QWidget* now);
    bool recordKey(QKeyEvent* event, bool fromEditor);
    void typeName(QKeyEvent* event);
    void goToRow(int row, bool always);
    void moveUp();
    void moveDown();
    int pageRows() const;
    void insertRecord();
    void deleteRecord();
    void cancelRecord();
    void applyRowHeight();

    NameListModel* model_;
    Link link_{this};
    QPointer<NameEditor> editor_;
    QMetaObject::Connection focusConnection_;
    bool pressedCell_ = false;
};

} // namespace ravik
