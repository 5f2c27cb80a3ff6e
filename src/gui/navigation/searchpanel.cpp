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
      findBox_(new QLineEdit(this)),
      findButton_(new QPushButton(QStringLiteral("Najít"), this)),
      results_(new QTreeWidget(this)),
      cancelButton_(new QPushButton(QStringLiteral("Storno"), this))
{
    setObjectName(QStringLiteral("searchPanel"));
    setAutoFillBackground(true);
    findBox_->setObjectName(QStringLiteral("findBox"));
    findButton_->setObjectName(QStringLiteral("findButton"));
    results_->setObjectName(QStringLiteral("results"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));

    auto* findLabel = new QLabel(QStringLiteral("&Hledat:"), this);
    findLabel->setBuddy(findBox_);
    auto* resultsLabel = new QLabel(QStringLiteral("Výsle&dky vyhledávání:"), this);
    resultsLabel->setBuddy(results_);
    resultsLabel->setWordWrap(true);

    results_->setColumnCount(1);
    results_->setHeaderLabels({QStringLiteral("Jednotka")});
    // The one column is as wide as the list (see the event filter), so long
    // names end in "…" rather than running out of sight.
    results_->header()->setStretchLastSection(false);
    results_->header()->setMinimumSectionSize(0);
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->setTextElideMode(Qt::ElideRight);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keepSelectionShown(results_);

    findButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);
    // The column is narrow: the buttons give up their usual minimum width.
    for (QPushButton* button : {findButton_, cancelButton_}) button->setMinimumWidth(0);
    findBox_->setMinimumWidth(0);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setHorizontalSpacing(4);
    layout->addWidget(findLabel, 0, 0, 1, 2);
    layout->addWidget(findBox_, 1, 0);
    layout->addWidget(findButton_, 1, 1);
    layout->addWidget(resultsLabel, 2, 0, 1, 2);
    layout->addWidget(results_, 3, 0, 1, 2);
    layout->addWidget(cancelButton_, 4, 0, 1, 2, Qt::AlignRight);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);

    findBox_->installEventFilter(this);
    results_->installEventFilter(this);
    results_->viewport()->installEventFilter(this);
    connect(findButton_, &QPushButton::clicked, this, &SearchPanel::findUnits);
    // The find button is the default button while the box has the focus (see the
    // event filter), so Enter in the box searches, every time it is pressed.
    connect(findBox_, &QLineEdit::returnPressed, this, &SearchPanel::findUnits);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::hide);
    connect(results_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { openResult(item); });
}

void SearchPanel::setTopicTitles(std::function<QString(int)> titleOf)
{
    titleOf_ = std::move(titleOf);
    refreshToolTips();
}

void SearchPanel::refreshToolTips()
{
    for (int i = 0; i < results_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = results_->topLevelItem(i);
        const int slot = item->data(0, kSlotRole).toInt();
        item->setToolTip(0, titleOf_ && slot > 0 ? titleOf_(slot) : QString());
    }
}

void SearchPanel::open()
{
    show();
    raise();
    findBox_->setFocus();
    findBox_->selectAll();
}

void SearchPanel::findUnits()
{
    search(findBox_->text());
}

void SearchPanel::refreshResults()
{
    if (searched_) search(lastKey_);
}

void SearchPanel::search(const QString& key)
{
    const BusyPointer busy;
    results_->clear();
    searched_ = catalogue_ && !key.isEmpty();  // an empty text searches nothing
    if (!searched_) return;
    lastKey_ = key;
    const QColor similar = mutedTextColour(results_->palette().color(QPalette::Active, QPalette::Text),
                                           results_->palette().color(QPalette::Active, QPalette::Base));
    QList<QTreeWidgetItem*> items;
    for (const UnitSearchHit& hit : searchUnits(*catalogue_, key)) {
        const Unit& unit = catalogue_->unit(hit.slot, hit.row);
        auto* item = new QTreeWidgetItem({unit.name});
        item->setData(0, kSlotRole, hit.slot);
        item->setData(0, kSymbolRole, unit.symbol);
        if (hit.similar) item->setForeground(0, similar);
        items.append(item);
    }
    if (items.isEmpty()) {
        auto* nothing = new QTreeWidgetItem({QStringLiteral("Nic nenalezeno")});
        nothing->setFlags(Qt::NoItemFlags);
        items.append(nothing);
    }
    results_->addTopLevelItems(items);
    refreshToolTips();
}

void SearchPanel::openResult(QTreeWidgetItem* item)
{
    if (!item || !catalogue_) return;
    const UnitIdentity unit{item->data(0, kSlotRole).toInt(), item->text(0), item->data(0, kSymbolRole).toString()};
    const int row = currentUnitRow(*catalogue_, unit);
    if (row < 1) return;  // "Nic nenalezeno"
    item->setForeground(0, palette().color(QPalette::Active, QPalette::Highlight));
    emit unitActivated(unitTag(unit.slot, row));
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == findBox_) {
        if (event->type() == QEvent::FocusIn) findButton_->setDefault(true);
        if (event->type() == QEvent::FocusOut) findButton_->setDefault(false);
    } else if (watched == results_->viewport() && event->type() == QEvent::Resize) {
        results_->setColumnWidth(0, results_->viewport()->width());
    } else if (watched == results_ && event->type() == QEvent::KeyRelease && isEnterKey(event)) {
        openResult(results_->currentItem());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tolvarin
