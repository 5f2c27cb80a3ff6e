#include "conversion/conversiongrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace tolvarin {

namespace {

// Paints a cell as usual, in the marking colour when it holds the value last
// entered, then its marker at the cell's right edge: a small "i" for a unit
// with information, a tick for a marked unit. A text that would reach under
// the marker is cut short ("…") before it.
class MarkerDelegate : public QStyledItemDelegate {
public:
    explicit MarkerDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    QColor enteredColour;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        // A selected cell keeps the highlighted text colour: the marking
        // colour is often the highlight itself.
        if (index.data(TopicModel::EnteredRole).toBool() && enteredColour.isValid())
            cell.palette.setColor(QPalette::Text, enteredColour);
        const auto marker = TopicModel::Marker(index.data(TopicModel::MarkerRole).toInt());
        const int size = std::min(option.rect.height() - 4, 12);
        const QRect box(option.rect.right() - size - 3, option.rect.center().y() - size / 2, size, size);
        const QWidget* view = cell.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        if (marker == TopicModel::Marker::None) {
            style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
            return;
        }
        // The cell without its text, then the text in the room left of the marker.
        const QString text = cell.text;
        cell.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
        cell.text = text;
        // The text's margins as the style keeps them, and the marker's room on the right.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view).adjusted(margin, 0, -margin, 0);
        textRect.setRight(std::min(textRect.right(), box.left() - 3));
        const bool selected = cell.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(textRect, int(cell.displayAlignment),
                          cell.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
        painter->setRenderHint(QPainter::Antialiasing);
        if (marker == TopicModel::Marker::Info) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(QColor(0x35, 0x6a, 0xb3));
            painter->drawEllipse(box);
            painter->setPen(QPen(Qt::white, std::max(1.5, size / 7.0)));
            painter->drawLine(QPointF(box.center().x() + 0.5, box.top() + size * 0.45),
                              QPointF(box.center().x() + 0.5, box.bottom() - size * 0.2));
            painter->drawPoint(QPointF(box.center().x() + 0.5, box.top() + size * 0.25));
        } else {
            QPainterPath tick;
            tick.moveTo(box.left() + size * 0.15, box.top() + size * 0.55);
            tick.lineTo(box.left() + size * 0.42, box.bottom() - size * 0.15);
            tick.lineTo(box.right() - size * 0.1, box.top() + size * 0.15);
            painter->setPen(QPen(QColor(0x2e, 0x8b, 0x3a), std::max(2.0, size / 5.0)));
            painter->drawPath(tick);
        }
        painter->restore();
    }
};

}  // namespace

ConversionGrid::ConversionGrid(QWidget* parent) : QTableView(parent), editor_(new QLineEdit(viewport()))
{
    setObjectName(QStringLiteral("conversionGrid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);  // the value column takes what is left
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setItemDelegate(new MarkerDelegate(this));
    setGridLines(false);

    editor_->setObjectName(QStringLiteral("valueEditor"));
    editor_->hide();
    editor_->setFrame(false);
    editor_->setContextMenuPolicy(Qt::CustomContextMenu);
    editor_->installEventFilter(this);
    connect(editor_, &QLineEdit::textChanged, this, &ConversionGrid::editorTextChanged);
    connect(editor_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit editorRightPressed(editor_->mapToGlobal(pos)); });
}

void ConversionGrid::setTopicModel(TopicModel* model)
{
    model_ = model;
    setModel(model);
    // A topic opened anew drops an open edit, and its first current row is news.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &ConversionGrid::discardEdit);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { reportedRow_ = -1; });
}

void ConversionGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (!current.isValid()) return;
    if (current.column() != kValueColumn) {
        setCurrentCell(current.row(), kValueColumn);
        return;
    }
    if (current.row() == reportedRow_) return;
    reportedRow_ = current.row();
    emit currentRowChanged(current.row());
}

// Only the value column takes the cursor: Home, End and their Ctrl forms
// move to a row's value cell, which they select.
QModelIndex ConversionGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableView::moveCursor(action, modifiers);
    return target.isValid() ? target.sibling(target.row(), kValueColumn) : target;
}

int ConversionGrid::rowCount() const { return model_ ? model_->rowCount() : 0; }

int ConversionGrid::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void ConversionGrid::setCurrentCell(int row, int column)
{
    if (!model_ || !model_->hasRow(row)) return;
    setCurrentIndex(model_->index(row, column));
}

QString ConversionGrid::nameText(int row) const { return model_ ? model_->unit(row).name : QString(); }

QString ConversionGrid::valueText(int row) const { return model_ ? model_->valueText(row) : QString(); }

QStringList ConversionGrid::valueColumn() const { return model_ ? model_->valueColumn() : QStringList(); }

void ConversionGrid::setEnteredColour(const QColor& colour)
{
    static_cast<MarkerDelegate*>(itemDelegate())->enteredColour = colour;
    viewport()->update();
}

void ConversionGrid::setGridLines(bool on)
{
    setShowGrid(on);
    setGridStyle(Qt::SolidLine);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    setStyleSheet(on ? QStringLiteral("QTableView { gridline-color: %1; }").arg(grey.name()) : QString());
}

int ConversionGrid::visibleRowCount() const
{
    const int top = topRow();
    if (top < 0) return 0;
    int count = 0;
    for (int row = top; row < rowCount(); ++row) {
        if (rowViewportPosition(row) + rowHeight(row) > viewport()->height()) break;
        ++count;
    }
    return count;
}

int ConversionGrid::topRow() const { return rowCount() == 0 ? -1 : rowAt(0); }

void ConversionGrid::setTopRow(int row)
{
    if (row >= 0 && row < rowCount()) verticalScrollBar()->setValue(row);
}

std::pair<int, int> ConversionGrid::selectedRowRange() const
{
    const int row = currentRow();
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.top() <= row && row <= range.bottom())
            return {range.top() == row ? row : range.top(), range.top() == row ? range.bottom() : row};
    return {row, row};
}

void ConversionGrid::startEdit(const QString& typed)
{
    const int row = currentRow();
    if (row < 0) return;
    editRow_ = row;
    model_->beginEdit(row);
    const QString text = typed.isEmpty() ? valueText(row) : typed;
    if (editor_->text() == text) emit editorTextChanged(text);  // the edit's text is news even when unchanged
    editor_->setText(text);
    editor_->setCursorPosition(int(editor_->text().size()));
    placeEditor();
    editor_->show();
    editor_->raise();
    editor_->setFocus();
}

void ConversionGrid::discardEdit()
{
    if (!isEditing()) return;
    const bool hadFocus = editor_->hasFocus();
    editor_->hide();
    if (hadFocus) setFocus();
}

void ConversionGrid::commitEdit()
{
    if (!isEditing()) return;
    const QString text = editor_->text();
    editor_->hide();
    setFocus();
    emit editCommitted(editRow_, text);
}

void ConversionGrid::placeEditor()
{
    const QRect cell = visualRect(model_->index(currentRow(), kValueColumn));
    editor_->setGeometry(cell.adjusted(1, 1, -1, -1));
}

void ConversionGrid::moveToRow(int row)
{
    if (row >= 0 && row < rowCount()) setCurrentCell(row, kValueColumn);
}

void ConversionGrid::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Insert) {
        emit insertPressed();
        return;
    }
    if (key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        event->ignore();  // Escape belongs to the window; Tab moves the focus on
        return;
    }
    const bool plainKey = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plainKey && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Backspace)) {
        startEdit();
        return;
    }
    const QString text = event->text();
    if (plainKey && text.size() == 1 && text[0].isPrint()) {
        if (typeAhead_ && typeAhead_(text[0])) return;
        startEdit(text);
        return;
    }
    QTableView::keyPressEvent(event);
}

void ConversionGrid::mousePressEvent(QMouseEvent* event)
{
    commitEdit();  // a click in the grid takes the focus back from an open edit
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (index.isValid() && index.column() == kValueColumn) setCurrentCell(index.row(), kValueColumn);
        emit rightPressed(index.isValid() ? index.row() : -1, index.isValid() ? index.column() : -1,
                          event->globalPosition().toPoint());
        return;
    }
    QTableView::mousePressEvent(event);
}

void ConversionGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) setCurrentCell(index.row(), kValueColumn);
    startEdit();
}

void ConversionGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    if (isEditing() && event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        commitEdit();
}

void ConversionGrid::scrollContentsBy(int dx, int dy)
{
    discardEdit();  // scrolling drops an open edit
    QTableView::scrollContentsBy(dx, dy);
    emit scrolled();
}

bool ConversionGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::ShortcutOverride) {
        // Ctrl with a letter is the window's command (copy the cell, paste a
        // number, a representation) also while a value is being typed.
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
            event->ignore();
            return true;
        }
    }
    if (watched != editor_ || event->type() != QEvent::KeyPress) return QTableView::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Escape: discardEdit(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: commitEdit(); return true;
    case Qt::Key_Up:
        commitEdit();
        moveToRow(currentRow() - 1);
        return true;
    case Qt::Key_Down:
        commitEdit();
        moveToRow(currentRow() + 1);
        return true;
    default: return false;
    }
}

}  // namespace tolvarin
