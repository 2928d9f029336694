#include "DBGrid.h"

#include "FieldControl.h"
#include "NameListModel.h"
#include "Prompts.h"
#include "data/DataSource.h"
#include "data/Dataset.h"
#include "data/Field.h"

#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace ravik {

namespace {

constexpr int kColumnWidth = 137;
constexpr int kIndicatorWidth = 11;
constexpr int kDefaultNameLength = 50;

// The indicator column: narrower than any text header would be, so the mark is drawn here.
class IndicatorHeader : public QHeaderView {
public:
    explicit IndicatorHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

    // Fixed, so that a million rows are never asked for their header text to size it.
    QSize sizeHint() const override { return {kIndicatorWidth, defaultSectionSize()}; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        opt.rect = rect;
        opt.section = logicalIndex;
        style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);
        const QString mark = model()->headerData(logicalIndex, Qt::Vertical).toString();
        if (mark.isEmpty())
            return;
        painter->save();
        painter->setPen(palette().color(QPalette::WindowText));
        if (mark == QStringLiteral("\u25B6")) {
            const QPoint c = rect.center();
            const QPoint arrow[] = {
                {c.x() - 2, c.y() - 4}, {c.x() - 2, c.y() + 4}, {c.x() + 2, c.y()}};
            painter->setBrush(palette().color(QPalette::WindowText));
            painter->setRenderHint(QPainter::Antialiasing);
            painter->drawPolygon(arrow, 3);
        } else {
            painter->drawText(rect, Qt::AlignCenter, mark);
        }
        painter->restore();
    }
};

} // namespace

// The cell editor. A key that would change the text first puts the table into edit, so a
// refused edit never leaves a changed name on screen; the record keys go to the grid.
class NameEditor : public QLineEdit {
public:
    NameEditor(DBGrid* grid, QWidget* parent) : QLineEdit(parent), grid_(grid) {
        setFrame(false);
        // Paste or undo from a menu, or a drop, would change the text past the edit check.
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (grid_->recordKey(event, true)) {
            event->accept();
            return;
        }
        if (changesText(event) && !grid_->beginChange()) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void keyReleaseEvent(QKeyEvent* event) override {
        QLineEdit::keyReleaseEvent(event);
        event->accept();
        if (!event->isAutoRepeat())
            emit grid_->keyReleased();
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!event->commitString().isEmpty() && !grid_->beginChange()) {
            event->accept();
            return;
        }
        QLineEdit::inputMethodEvent(event);
    }

private:
    bool changesText(QKeyEvent* event) const { return !isReadOnly() && ravik::changesText(event); }

    DBGrid* grid_;
};

class NameDelegate : public QStyledItemDelegate {
public:
    explicit NameDelegate(DBGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new NameEditor(grid_, parent);
        editor->setMaxLength(grid_->nameLength());
        grid_->editor_ = editor;
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* e = static_cast<NameEditor*>(editor);
        const QString name = index.data(Qt::EditRole).toString();
        // What was typed stays; an unchanged text is left alone so the selection a typed
        // character replaces survives the edit that character starts.
        if (!e->isModified() && e->text() != name)
            e->setText(name);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        auto* e = static_cast<NameEditor*>(editor);
        // An editor only opened must not put the table into edit.
        if (!e->isModified())
            return;
        model->setData(index, e->text());
        e->setModified(false);
    }

private:
    DBGrid* grid_;
};

DBGrid::DBGrid(QWidget* parent) : DBGrid(new NameListModel, parent) {}

DBGrid::DBGrid(NameListModel* model, QWidget* parent) : QTableView(parent), model_(model) {
    model_->setParent(this);
    setVerticalHeader(new IndicatorHeader(this));
    setModel(model_);
    setItemDelegate(new NameDelegate(this));

    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);

    QHeaderView* top = horizontalHeader();
    // Clicks on the title would select the column and move the current index past the dataset.
    top->setSectionsClickable(false);
    top->setSectionsMovable(true);
    top->setHighlightSections(false);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    top->setDefaultSectionSize(kColumnWidth);
    top->setStretchLastSection(false);
    setColumnWidth(0, kColumnWidth);
    connect(top, &QHeaderView::sectionMoved, this, &DBGrid::columnMoved);

    QHeaderView* side = verticalHeader();
    side->setSectionsClickable(false);
    side->setHighlightSections(false);
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->viewport()->installEventFilter(this);
    applyRowHeight();

    focusConnection_ = connect(qApp, &QApplication::focusChanged, this, &DBGrid::focusMoved);
}

DBGrid::~DBGrid() {
    // Focus still moves while the widget parts go away; this part is gone by then.
    disconnect(focusConnection_);
}

void DBGrid::setDataSource(DataSource* source) {
    if (source == dataSource())
        return;
    dropEditor();
    model_->setDataSource(source);
    // After the model, so the rows are up to date whenever the grid looks at them.
    if (source)
        source->addLink(&link_);
    else if (link_.dataSource())
        link_.dataSource()->removeLink(&link_);
    syncCurrent();
}

DataSource* DBGrid::dataSource() const {
    return model_->source();
}

Dataset* DBGrid::dataset() const {
    return model_->dataset();
}

int DBGrid::nameLength() const {
    const Field* name = model_->nameField();
    return name && name->size() > 0 ? name->size() : kDefaultNameLength;
}

NameEditor* DBGrid::openEditor() const {
    // A closed editor lingers hidden until it is deleted.
    return editor_ && !editor_->isHidden() ? editor_.data() : nullptr;
}

void DBGrid::applyRowHeight() {
    QHeaderView* side = verticalHeader();
    const int height = fontMetrics().height() + 4;
    side->setMinimumSectionSize(std::min(side->minimumSectionSize(), height));
    side->setDefaultSectionSize(height);
}

void DBGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyRowHeight();
}

// --- the dataset ---------------------------------------------------------------------------

void DBGrid::Link::dataEvent(DataEvent event, Field*) {
    switch (event) {
    case DataEvent::UpdateRecord:
        grid_->storeEditor();
        return;
    case DataEvent::FieldChanged:
        return;
    case DataEvent::StateChanged: {
        const Dataset* ds = grid_->dataset();
        // Typing starts the edit: the editor that caused it stays.
        if (!ds || ds->state() != Dataset::State::Edit)
            grid_->dropEditor();
        break;
    }
    case DataEvent::ActiveChanged:
    case DataEvent::DataSetChanged:
    case DataEvent::Scrolled:
        grid_->dropEditor();
        break;
    }
    grid_->syncCurrent();
}

void DBGrid::syncCurrent() {
    const int row = model_->currentRow();
    QItemSelectionModel* selection = selectionModel();
    if (row < 0) {
        selection->clear();
        return;
    }
    const QModelIndex current = model_->index(row, 0);
    const auto flags = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    if (selection->currentIndex() != current)
        selection->setCurrentIndex(current, flags);
    else if (!selection->isRowSelected(row))
        selection->select(current, flags);
    scrollTo(current);
}

bool DBGrid::beginChange() {
    DataSource* source = dataSource();
    return source && source->edit();
}

// Hands a typed name to the field and keeps the editor open. The editor always belongs to the
// current record: every move closes it.
void DBGrid::storeEditor() {
    NameEditor* e = openEditor();
    if (!e || !e->isModified())
        return;
    model_->setName(e->text());
    e->setModified(false);
}

void DBGrid::commitEditor() {
    NameEditor* e = openEditor();
    if (!e)
        return;
    storeEditor();
    dropEditor();
}

void DBGrid::dropEditor() {
    if (NameEditor* e = openEditor()) {
        editor_ = nullptr;
        QTableView::closeEditor(e, QAbstractItemDelegate::NoHint);
    }
}

void DBGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool typed = editor == editor_ && editor_->isModified();
    if (editor == editor_)
        editor_ = nullptr;
    switch (hint) {
    case QAbstractItemDelegate::RevertModelCache:
        // Esc: what was typed goes; with nothing typed, the record's edit goes.
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (!typed)
            cancelRecord();
        break;
    case QAbstractItemDelegate::EditNextItem:
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveDown();
        break;
    case QAbstractItemDelegate::EditPreviousItem:
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveUp();
        break;
    default:
        QTableView::closeEditor(editor, hint);
        break;
    }
}

void DBGrid::focusMoved(QWidget* old, QWidget* now) {
    if (!old || !now || (old != this && !isAncestorOf(old)))
        return;
    // Another window taking the focus (a message box) is no exit from the list.
    if (now == this || isAncestorOf(now) || now->window() != window())
        return;
    Dataset* ds = dataset();
    const NameEditor* e = openEditor();
    if (ds && ds->state() == Dataset::State::Insert && !ds->isModified() && !(e && e->isModified()))
        ds->cancel();
}

// --- keys ----------------------------------------------------------------------------------

// Keys that act on records, from the list or from its open cell editor.
bool DBGrid::recordKey(QKeyEvent* event, bool fromEditor) {
    if (!dataset())
        return false;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        moveUp();
        return true;
    case Qt::Key_Down:
        moveDown();
        return true;
    case Qt::Key_PageUp:
        goToRow(dataset()->currentViewRow() - pageRows(), true);
        return true;
    case Qt::Key_PageDown:
        goToRow(dataset()->currentViewRow() + pageRows(), true);
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        // In the editor they move the cursor, unless Ctrl is held.
        if (fromEditor && !ctrl)
            return false;
        goToRow(event->key() == Qt::Key_Home ? 0 : dataset()->viewRowCount() - 1, true);
        return true;
    case Qt::Key_Insert:
        // Shift+Insert pastes and Ctrl+Insert copies.
        if (mods != Qt::NoModifier)
            return false;
        insertRecord();
        return true;
    case Qt::Key_Delete:
        if (!ctrl)
            return false;
        deleteRecord();
        return true;
    default:
        return false;
    }
}

void DBGrid::keyPressEvent(QKeyEvent* event) {
    if (recordKey(event, false)) {
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Tab:
        moveDown();
        event->accept();
        return;
    case Qt::Key_Backtab:
        moveUp();
        event->accept();
        return;
    case Qt::Key_Escape:
        cancelRecord();
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // One column: nowhere to go.
        event->accept();
        return;
    case Qt::Key_F2:
        edit(currentIndex(), QAbstractItemView::EditKeyPressed, event);
        event->accept();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() &&
        !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        typeName(event);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DBGrid::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    // A held key reports once, at its final release.
    if (!event->isAutoRepeat())
        emit keyReleased();
}

// The first character typed starts the edit (an insert on an empty view) and opens the cell
// editor with that character in it.
void DBGrid::typeName(QKeyEvent* event) {
    if (!dataset() || !beginChange())
        return;
    const QModelIndex current = currentIndex();
    if (current.isValid())
        edit(current, QAbstractItemView::AnyKeyPressed, event);
}

// --- moves ---------------------------------------------------------------------------------

// Makes the record shown at `row` current. A key move always first brings the table to browse,
// as a move of the table does even where it cannot go further; a click on the current row
// changes nothing.
void DBGrid::goToRow(int row, bool always) {
    Dataset* ds = dataset();
    if (!ds)
        return;
    commitEditor();
    const int rows = ds->viewRowCount();
    if (rows == 0)
        return;
    row = std::clamp(row, 0, rows - 1);
    const int from = ds->currentViewRow();
    if (row == from && !always)
        return;
    const int newRow = ds->state() == Dataset::State::Insert ? from : -1;
    const int records = ds->recordCount();
    ds->checkBrowseMode();
    // A dropped new record takes its row with it: the rows below move up one.
    if (newRow >= 0 && ds->recordCount() == records && row > newRow)
        --row;
    ds->moveTo(row);
}

void DBGrid::moveUp() {
    if (Dataset* ds = dataset())
        goToRow(ds->currentViewRow() - 1, true);
}

void DBGrid::moveDown() {
    Dataset* ds = dataset();
    if (!ds)
        return;
    commitEditor();
    const int row = ds->currentViewRow();
    if (row + 1 < ds->viewRowCount()) {
        goToRow(row + 1, true);
        return;
    }
    // Past the last row comes a new record, but never a second untouched one.
    if (ds->state() == Dataset::State::Insert && !ds->isModified())
        return;
    if (!ds->canModify()) {
        ds->checkBrowseMode();
        return;
    }
    ds->append();
}

int DBGrid::pageRows() const {
    const int height = verticalHeader()->defaultSectionSize();
    return std::max(1, viewport()->height() / std::max(1, height));
}

void DBGrid::insertRecord() {
    if (Dataset* ds = dataset()) {
        commitEditor();
        ds->insert();
    }
}

void DBGrid::deleteRecord() {
    Dataset* ds = dataset();
    if (!ds)
        return;
    // Typed text stays with the record should the user keep it.
    commitEditor();
    if (ds->isEmpty())
        return;
    // A table that cannot be changed refuses with its own error, before any question.
    if (!ds->canModify()) {
        ds->deleteRecord();
        return;
    }
    const auto answer = Prompts::instance().question(
        this, QStringLiteral("RavikPro"), QStringLiteral("Delete record?"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Question);
    if (answer == QMessageBox::Ok)
        ds->deleteRecord();
}

void DBGrid::cancelRecord() {
    if (Dataset* ds = dataset())
        ds->cancel();
}

// --- the mouse -----------------------------------------------------------------------------

void DBGrid::mousePressEvent(QMouseEvent* event) {
    pressedCell_ = false;
    const QPoint pos = event->position().toPoint();
    const QModelIndex pressed = indexAt(pos);
    // Only the left button moves; the view's own drag selection never runs.
    if (event->button() != Qt::LeftButton || !pressed.isValid() || !dataset()) {
        event->accept();
        return;
    }
    goToRow(pressed.row(), false);
    pressedCell_ = true;
    // Still the same record under the pointer: let the view see the press, for a double click.
    if (indexAt(pos) == currentIndex())
        QTableView::mousePressEvent(event);
}

void DBGrid::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void DBGrid::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = event->button() == Qt::LeftButton && pressedCell_ &&
                         indexAt(event->position().toPoint()).isValid();
    if (event->button() == Qt::LeftButton)
        pressedCell_ = false;
    QTableView::mouseReleaseEvent(event);
    if (clicked)
        emit cellClicked();
}

// A press in the indicator column moves to its row, like one in the cell.
bool DBGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            const int row = verticalHeader()->logicalIndexAt(press->position().toPoint());
            if (row >= 0) {
                setFocus(Qt::MouseFocusReason);
                goToRow(row, false);
            }
        }
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace ravik
