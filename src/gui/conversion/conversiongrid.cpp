#include "conversion/conversiongrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace tolvarin {

namespace {

constexpr int kPictureRole = Qt::UserRole + 1;

// Paints a cell as usual, then its marker picture at the cell's right edge:
// a small "i" for a unit with information, a tick for a marked unit.
class MarkerDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const auto picture = ConversionGrid::Picture(index.data(kPictureRole).toInt());
        if (picture != ConversionGrid::Picture::Info && picture != ConversionGrid::Picture::Marked) return;
        const int size = std::min(option.rect.height() - 4, 12);
        const QRect box(option.rect.right() - size - 3, option.rect.center().y() - size / 2, size, size);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (picture == ConversionGrid::Picture::Info) {
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

QTableWidgetItem* makeItem(const QString& text, bool selectable)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(selectable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
    return item;
}

}  // namespace

ConversionGrid::ConversionGrid(QWidget* parent) : QTableWidget(parent), editor_(new QLineEdit(viewport()))
{
    setObjectName(QStringLiteral("msgTab"));
    setColumnCount(3);
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

    editor_->setObjectName(QStringLiteral("txtEdit"));
    editor_->hide();
    editor_->setFrame(false);
    editor_->setContextMenuPolicy(Qt::CustomContextMenu);
    editor_->installEventFilter(this);
    connect(editor_, &QLineEdit::textEdited, this, &ConversionGrid::editorTextChanged);
    connect(editor_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit editorRightPressed(editor_->mapToGlobal(pos)); });

    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column, int previousRow, int) {
        if (row < 0) return;
        if (column != kValueColumn) {
            setCurrentCell(row, kValueColumn);
            return;
        }
        if (row != previousRow) emit currentRowChanged(row);
    });
}

void ConversionGrid::setUnits(const QStringList& names, const QStringList& symbols)
{
    discardEdit();
    setUpdatesEnabled(false);
    clearContents();
    setRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        setItem(row, kNameColumn, makeItem(names[row], false));
        setItem(row, kSymbolColumn, makeItem(symbols.value(row), false));
        setItem(row, kValueColumn, makeItem(QString(), true));
    }
    setUpdatesEnabled(true);
}

QString ConversionGrid::nameText(int row) const { return item(row, kNameColumn) ? item(row, kNameColumn)->text() : QString(); }
QString ConversionGrid::symbolText(int row) const
{
    return item(row, kSymbolColumn) ? item(row, kSymbolColumn)->text() : QString();
}
QString ConversionGrid::valueText(int row) const
{
    return item(row, kValueColumn) ? item(row, kValueColumn)->text() : QString();
}

void ConversionGrid::setValueText(int row, const QString& text)
{
    if (QTableWidgetItem* cell = item(row, kValueColumn)) cell->setText(text);
}

QStringList ConversionGrid::valueColumn() const
{
    QStringList texts;
    for (int row = 0; row < rowCount(); ++row) texts << valueText(row);
    return texts;
}

void ConversionGrid::setValueColumn(const QStringList& texts)
{
    setUpdatesEnabled(false);
    for (int row = 0; row < rowCount() && row < texts.size(); ++row) setValueText(row, texts[row]);
    setUpdatesEnabled(true);
}

void ConversionGrid::setPicture(int row, int column, Picture picture)
{
    if (QTableWidgetItem* cell = item(row, column)) cell->setData(kPictureRole, int(picture));
}

ConversionGrid::Picture ConversionGrid::picture(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    const int value = cell ? cell->data(kPictureRole).toInt() : 0;
    return value == 0 ? Picture::None : Picture(value);
}

void ConversionGrid::setValueColour(int row, const QColor& colour)
{
    if (QTableWidgetItem* cell = item(row, kValueColumn)) cell->setForeground(colour);
}

QColor ConversionGrid::valueColour(int row) const
{
    const QTableWidgetItem* cell = item(row, kValueColumn);
    return cell ? cell->foreground().color() : QColor();
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
    for (const QTableWidgetSelectionRange& range : selectedRanges())
        if (range.topRow() <= row && row <= range.bottomRow())
            return {range.topRow() == row ? row : range.topRow(), range.topRow() == row ? range.bottomRow() : row};
    return {row, row};
}

void ConversionGrid::startEdit(const QString& typed)
{
    const int row = currentRow();
    if (row < 0) return;
    editRow_ = row;
    textBeforeEdit_ = valueText(row);
    editor_->setText(typed.isEmpty() ? textBeforeEdit_ : typed);
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
    setValueText(editRow_, text);
    editor_->hide();
    setFocus();
    emit editCommitted(editRow_, text, textBeforeEdit_);
}

void ConversionGrid::placeEditor()
{
    const QRect cell = visualRect(model()->index(currentRow(), kValueColumn));
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
    QTableWidget::keyPressEvent(event);
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
    QTableWidget::mousePressEvent(event);
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
    QTableWidget::focusInEvent(event);
    if (isEditing() && event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        commitEdit();
}

void ConversionGrid::scrollContentsBy(int dx, int dy)
{
    discardEdit();  // scrolling drops an open edit
    QTableWidget::scrollContentsBy(dx, dy);
    emit scrolled();
}

bool ConversionGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != editor_ || event->type() != QEvent::KeyPress) return QTableWidget::eventFilter(watched, event);
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
