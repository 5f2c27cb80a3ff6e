#include "navigation/searchpanel.h"

#include "catalogue/topictable.h"
#include "navigation/listlook.h"
#include "navigation/unitsearch.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace tolvarin {

namespace {

// The busy pointer for as long as a search runs.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

bool isEnterKey(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

SearchPanel::SearchPanel(QWidget* parent)
    : QWidget(parent),
      txtFind_(new QLineEdit(this)),
      cmdFind_(new QPushButton(QStringLiteral("Najít"), this)),
      lvwFind_(new QTreeWidget(this)),
      cmdStorno_(new QPushButton(QStringLiteral("Storno"), this))
{
    setObjectName(QStringLiteral("picFind"));
    setAutoFillBackground(true);
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    cmdFind_->setObjectName(QStringLiteral("cmdFind"));
    lvwFind_->setObjectName(QStringLiteral("lvwFind"));
    cmdStorno_->setObjectName(QStringLiteral("cmdStorno"));

    auto* findLabel = new QLabel(QStringLiteral("&Hledat:"), this);
    findLabel->setBuddy(txtFind_);
    auto* resultsLabel = new QLabel(QStringLiteral("Výsle&dky vyhledávání:"), this);
    resultsLabel->setBuddy(lvwFind_);
    resultsLabel->setWordWrap(true);

    lvwFind_->setColumnCount(1);
    lvwFind_->setHeaderLabels({QStringLiteral("Jednotka")});
    // The one column is as wide as the list (see the event filter), so long
    // names end in "…" rather than running out of sight.
    lvwFind_->header()->setStretchLastSection(false);
    lvwFind_->header()->setMinimumSectionSize(0);
    lvwFind_->setRootIsDecorated(false);
    lvwFind_->setUniformRowHeights(true);
    lvwFind_->setTextElideMode(Qt::ElideRight);
    lvwFind_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keepSelectionShown(lvwFind_);

    cmdFind_->setAutoDefault(false);
    cmdStorno_->setAutoDefault(false);
    // The column is narrow: the buttons give up their usual minimum width.
    for (QPushButton* button : {cmdFind_, cmdStorno_}) button->setMinimumWidth(0);
    txtFind_->setMinimumWidth(0);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setHorizontalSpacing(4);
    layout->addWidget(findLabel, 0, 0, 1, 2);
    layout->addWidget(txtFind_, 1, 0);
    layout->addWidget(cmdFind_, 1, 1);
    layout->addWidget(resultsLabel, 2, 0, 1, 2);
    layout->addWidget(lvwFind_, 3, 0, 1, 2);
    layout->addWidget(cmdStorno_, 4, 0, 1, 2, Qt::AlignRight);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);

    txtFind_->installEventFilter(this);
    lvwFind_->installEventFilter(this);
    lvwFind_->viewport()->installEventFilter(this);
    connect(cmdFind_, &QPushButton::clicked, this, &SearchPanel::cmdFind_Click);
    // cmdFind is the default button while the box has the focus (see the
    // event filter), so Enter in the box searches, every time it is pressed.
    connect(txtFind_, &QLineEdit::returnPressed, this, &SearchPanel::cmdFind_Click);
    connect(cmdStorno_, &QPushButton::clicked, this, &QWidget::hide);
    connect(lvwFind_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { openResult(item); });
}

void SearchPanel::setTopicTitles(std::function<QString(int)> titleOf)
{
    titleOf_ = std::move(titleOf);
    refreshToolTips();
}

void SearchPanel::refreshToolTips()
{
    for (int i = 0; i < lvwFind_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lvwFind_->topLevelItem(i);
        item->setToolTip(0, titleOf_ ? titleOf_(item->data(0, kSlotRole).toInt()) : QString());
    }
}

void SearchPanel::open()
{
    show();
    raise();
    txtFind_->setFocus();
    txtFind_->selectAll();
}

void SearchPanel::cmdFind_Click()
{
    const BusyPointer busy;
    lvwFind_->clear();
    if (!catalogue_) return;
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    QList<QTreeWidgetItem*> items;
    for (const UnitSearchHit& hit : searchUnits(*catalogue_, txtFind_->text())) {
        auto* item = new QTreeWidgetItem({catalogue_->unit(hit.slot, hit.row).name});
        item->setData(0, kTagRole, unitTag(hit.slot, hit.row));
        item->setData(0, kSlotRole, hit.slot);
        if (hit.similar) item->setForeground(0, grey);
        items.append(item);
    }
    lvwFind_->addTopLevelItems(items);
    refreshToolTips();
}

void SearchPanel::openResult(QTreeWidgetItem* item)
{
    if (!item) return;
    item->setForeground(0, palette().color(QPalette::Active, QPalette::Highlight));
    emit unitActivated(item->data(0, kTagRole).toString());
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtFind_) {
        if (event->type() == QEvent::FocusIn) cmdFind_->setDefault(true);
        if (event->type() == QEvent::FocusOut) cmdFind_->setDefault(false);
    } else if (watched == lvwFind_->viewport() && event->type() == QEvent::Resize) {
        lvwFind_->setColumnWidth(0, lvwFind_->viewport()->width());
    } else if (watched == lvwFind_ && event->type() == QEvent::KeyRelease && isEnterKey(event)) {
        openResult(lvwFind_->currentItem());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tolvarin
