#include "mainwindow/compactview.h"

#include "common/apptitle.h"
#include "conversion/compactconversion.h"
#include "conversion/conversionengine.h"
#include "conversion/topicmodel.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace tolvarin {

// The list of the topic's units, shared by both boxes: shown over a box's
// entry row while a unit is chosen, hidden as soon as its drop-down closes.
class UnitChooser : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> popupClosed;

    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (popupClosed) popupClosed();
    }
};

namespace {

constexpr int kVisibleUnits = 15;

QFont scaled(QFont font, double factor, bool bold = false)
{
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * factor);
    else font.setPixelSize(qRound(font.pixelSize() * factor));
    font.setBold(bold);
    return font;
}

}  // namespace

CompactView::CompactView(TopicModel& topic, MessageSink& messages, const QLocale& locale, QWidget* coveredArea)
    : QFrame(coveredArea), topic_(topic), messages_(messages), locale_(locale)
{
    setObjectName(QStringLiteral("compactView"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    hide();

    auto* title = new QLabel(QStringLiteral("Tolvarin Lite"), this);
    title->setFont(scaled(font(), 1.25, true));
    closeButton_ = new QPushButton(QStringLiteral("Zavřít"), this);
    closeButton_->setObjectName(QStringLiteral("compactClose"));
    connect(closeButton_, &QPushButton::clicked, this, &CompactView::closeView);
    auto* header = new QHBoxLayout;
    header->addWidget(title);
    header->addStretch();
    header->addWidget(closeButton_);

    auto* equals = new QLabel(QStringLiteral("="), this);
    equals->setFont(scaled(font(), 1.6));
    equals->setAlignment(Qt::AlignCenter);
    sidesLayout_ = new QBoxLayout(QBoxLayout::TopToBottom);
    sidesLayout_->setSpacing(fontMetrics().height());
    sidesLayout_->addWidget(buildSide(0), 1);
    sidesLayout_->addWidget(equals, 0, Qt::AlignBottom);
    sidesLayout_->addWidget(buildSide(1), 1);
    equals->setFixedHeight(sides_[0].entry->sizeHint().height());
    equals->setMinimumWidth(fontMetrics().height() * 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addSpacing(fontMetrics().height());
    layout->addLayout(sidesLayout_);
    layout->addStretch();

    chooser_ = new UnitChooser(this);
    chooser_->setObjectName(QStringLiteral("compactUnitChooser"));
    chooser_->setMaxVisibleItems(kVisibleUnits);
    // A scrolled list of a few units rather than one as tall as the screen.
    chooser_->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    chooser_->hide();
    chooser_->popupClosed = [this] {
        chooser_->hide();
        sides_[size_t(choosingFor_)].chooser->setFocus();
    };
    connect(chooser_, &QComboBox::activated, this, [this](int index) { chooseUnit(choosingFor_, index); });

    coveredArea->installEventFilter(this);
    // Opening a topic anew (another topic, a reload, hidden rows) ends the view.
    connect(&topic_, &QAbstractItemModel::modelReset, this, &CompactView::closeView);
}

QWidget* CompactView::buildSide(int box)
{
    Side& side = sides_[size_t(box)];
    auto* widget = new QWidget(this);
    side.name = new QLabel(widget);
    side.name->setTextFormat(Qt::PlainText);
    side.name->setWordWrap(true);
    side.name->setMinimumHeight(fontMetrics().height());  // an unbound box keeps its place
    side.entry = new QLineEdit(widget);
    side.entry->setObjectName(QStringLiteral("compactBox%1").arg(box));
    side.entry->setFont(scaled(font(), 1.4));
    side.entry->setMinimumWidth(fontMetrics().averageCharWidth() * 16);
    side.symbol = new QLabel(widget);
    side.symbol->setTextFormat(Qt::PlainText);
    side.symbol->setFont(side.entry->font());
    side.chooser = new QToolButton(widget);
    side.chooser->setObjectName(QStringLiteral("compactChoose%1").arg(box));
    side.chooser->setArrowType(Qt::DownArrow);
    side.chooser->setToolTip(QStringLiteral("Vybrat jednotku"));
    side.chooser->setAccessibleName(QStringLiteral("Vybrat jednotku"));
    const int height = side.entry->sizeHint().height();
    side.chooser->setFixedSize(height, height);

    auto* row = new QHBoxLayout;
    row->addWidget(side.entry, 1);
    row->addWidget(side.symbol);
    row->addWidget(side.chooser);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(side.name);
    layout->addLayout(row);

    connect(side.entry, &QLineEdit::returnPressed, this, [this, box] { convertFrom(box); });
    connect(side.chooser, &QToolButton::clicked, this, [this, box] { showChooser(box); });
    return widget;
}

QComboBox* CompactView::unitChooser() const
{
    return chooser_;
}

bool CompactView::open()
{
    if (topic_.slot() < 1) {
        messages_.show(MessageIcon::Information, appTitle(),
                       QStringLiteral("Není vybraná veličina.\r\n\r\nNejprve vyberte veličinu."));
        return false;
    }
    chooser_->hide();
    chooser_->clear();
    for (const Unit& unit : topic_.units()) chooser_->addItem(unit.name);
    for (int box = 0; box < kBoxCount; ++box) {
        bind(box, box);
        sides_[size_t(box)].entry->clear();
    }
    setGeometry(parentWidget()->rect());
    show();
    raise();
    sides_[0].entry->setFocus();
    return true;
}

void CompactView::closeView()
{
    if (isHidden()) return;
    chooser_->hide();
    hide();
    emit closed();
}

void CompactView::bind(int box, int row)
{
    Side& side = sides_[size_t(box)];
    side.row = topic_.hasRow(row) ? row : -1;
    const Unit& unit = topic_.unit(row);  // an empty unit for an unbound box
    side.name->setText(unit.name);
    side.symbol->setText(unit.symbol);
    side.entry->setAccessibleName(unit.name);
    // Both symbols take the room of the wider one, so the boxes line up.
    const QFontMetrics metrics(side.symbol->font());
    int symbolWidth = 0;
    for (const Side& each : sides_) symbolWidth = std::max(symbolWidth, metrics.horizontalAdvance(each.symbol->text()));
    for (const Side& each : sides_) each.symbol->setMinimumWidth(symbolWidth);
}

void CompactView::chooseUnit(int box, int row)
{
    if (!topic_.hasRow(row)) return;
    bind(box, row);
    chooser_->hide();
    QLineEdit* entry = sides_[size_t(box)].entry;
    entry->setFocus();
    if (!entry->text().trimmed().isEmpty()) convertFrom(box);
}

void CompactView::convertFrom(int box)
{
    const Side& source = sides_[size_t(box)];
    const Side& target = sides_[size_t(1 - box)];
    const CompactOutcome outcome =
        convertCompact(source.entry->text(), topic_.units(), source.row, target.row, topic_.rules(), locale_);
    switch (outcome.status) {
        case CompactOutcome::Status::Converted:
            target.entry->setText(outcome.text);
            target.entry->setCursorPosition(0);
            return;
        case CompactOutcome::Status::NothingToDo: return;
        case CompactOutcome::Status::BelowAbsoluteZero:
            messages_.show(MessageIcon::Exclamation, appTitle(), absoluteZeroText());
            break;
        case CompactOutcome::Status::Failed:
            messages_.show(MessageIcon::Exclamation, appTitle(), QStringLiteral("Nevhodná vstupní hodnota."));
            break;
    }
    source.entry->selectAll();  // ready to be typed over
}

void CompactView::showChooser(int box)
{
    choosingFor_ = box;
    const Side& side = sides_[size_t(box)];
    // The list lies over the box's entry row, from the box to its button.
    const QPoint topLeft = side.entry->mapTo(this, QPoint(0, 0));
    const QPoint bottomRight = side.chooser->mapTo(this, QPoint(side.chooser->width(), side.entry->height()));
    chooser_->setGeometry(QRect(topLeft, bottomRight).adjusted(0, 0, -1, -1));
    chooser_->setCurrentIndex(side.row);
    chooser_->show();
    chooser_->raise();
    chooser_->setFocus();
    chooser_->showPopup();
}

bool CompactView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QFrame::eventFilter(watched, event);
}

void CompactView::keyPressEvent(QKeyEvent* event)
{
    // Escape in a box or on a button closes the view; in the unit list's
    // drop-down (a window of its own) it closes the list alone.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeView();
        return;
    }
    QFrame::keyPressEvent(event);
}

void CompactView::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // The boxes stand side by side where there is room, one above the other
    // in a narrow window; a wide window keeps them at a readable width.
    const int character = fontMetrics().averageCharWidth();
    sidesLayout_->setDirection(width() >= character * 84 ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    const int margin = std::max(character * 2, (width() - character * 120) / 2);
    layout()->setContentsMargins(margin, character * 2, margin, character * 2);
}

bool CompactView::focusNextPrevChild(bool next)
{
    const QList<QWidget*> order{sides_[0].entry, sides_[0].chooser, sides_[1].entry, sides_[1].chooser, closeButton_};
    const qsizetype at = order.indexOf(window()->focusWidget());
    if (at < 0) return QFrame::focusNextPrevChild(next);
    const qsizetype step = next ? 1 : order.size() - 1;
    order[(at + step) % order.size()]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace tolvarin
