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
        item->setToolTip(0, titleOf_ ? titleOf_(item->data(0, kSlotRole).toInt()) : QString());
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
    const BusyPointer busy;
    results_->clear();
    if (!catalogue_) return;
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    QList<QTreeWidgetItem*> items;
    for (const UnitSearchHit& hit : searchUnits(*catalogue_, findBox_->text())) {
        auto* item = new QTreeWidgetItem({catalogue_->unit(hit.slot, hit.row).name});
        item->setData(0, kTagRole, unitTag(hit.slot, hit.row));
        item->setData(0, kSlotRole, hit.slot);
        if (hit.similar) item->setForeground(0, grey);
        items.append(item);
    }
    results_->addTopLevelItems(items);
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
