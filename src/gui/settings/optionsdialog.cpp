#include "settings/optionsdialog.h"

#include "common/apptitle.h"
#include "output/contexthelp.h"
#include "output/helptopics.h"
#include "settings/colourvalue.h"
#include "settings/datafilelabels.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvarin {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// Checks the button of the id in an exclusive group; an id without a button
// leaves none checked.
void checkInGroup(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

// A frame of radio buttons whose ids are their positions.
QGroupBox* radioFrame(const QString& title, const QStringList& captions, QButtonGroup*& group, QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    group = new QButtonGroup(frame);
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], frame);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return frame;
}

}  // namespace

std::optional<QString> DesktopOptionsServices::chooseDataFile(QWidget* parent, const QString& currentPath)
{
    const QString dataFiles = text("Soubor dat Tolvarin (*.tvd)");
    QString filter = dataFiles;
    const QString chosen =
        QFileDialog::getOpenFileName(parent, text("Zvolte soubor s daty programu Tolvarin"), currentPath,
                                     text("Všechny soubory (*);;") + dataFiles, &filter);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

std::optional<QColor> DesktopOptionsServices::chooseColour(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent, text("Volba barvy"));
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

void DesktopOptionsServices::runModal(QDialog& dialog) { dialog.exec(); }

OptionsDialog::OptionsDialog(MessageSink& messages, OptionsDialogServices& services, const QLocale& locale,
                             QWidget* parent)
    : QDialog(parent), messages_(messages), services_(services), locale_(locale)
{
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(text("Možnosti"));
    setWindowModality(Qt::WindowModal);  // the help window stays usable
    ContextHelp::setHelpContext(this, helpcontext::kOptions);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(buildGeneralTab(), text("Obecné"));
    tabs_->addTab(buildDisplayTab(), text("Zobrazení"));
    tabs_->addTab(buildFormatTab(), text("Formát"));
    tabs_->addTab(buildAfterStartTab(), text("Po startu"));
    tabs_->addTab(buildInformationTab(), text("Informace"));

    ok_ = new QPushButton(text("OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(text("Storno"), this);
    connect(ok_, &QPushButton::clicked, this, &OptionsDialog::tryAccept);
    connect(cancel_, &QPushButton::clicked, this, &OptionsDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    // Ctrl+Tab anywhere in the dialog: the next tab, after the last the first.
    auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextTab, &QShortcut::activated, this,
            [this] { tabs_->setCurrentIndex((tabs_->currentIndex() + 1) % tabs_->count()); });
}

QWidget* OptionsDialog::buildGeneralTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    const char* frames[] = {"Soubor s jednotkami a koeficienty", "Soubor s uživatelskými jednotkami a veličinami"};
    for (int file = 0; file < 2; ++file) {
        auto* frame = new QGroupBox(text(frames[file]), page);
        auto* grid = new QGridLayout(frame);
        FileRow& row = files_[size_t(file)];
        row.path = new QLineEdit(frame);
        row.path->setReadOnly(true);  // the chooser sets the path
        row.path->setMinimumWidth(row.path->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
        row.choose = new QPushButton(text("…"), frame);
        row.choose->setFixedWidth(row.choose->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
        row.choose->setToolTip(text("Zvolte soubor s daty programu Tolvarin"));
        row.size = new QLabel(frame);
        row.time = new QLabel(frame);
        grid->addWidget(new QLabel(text("Umístění:"), frame), 0, 0);
        grid->addWidget(row.path, 0, 1);
        grid->addWidget(row.choose, 0, 2);
        grid->addWidget(new QLabel(text("Velikost:"), frame), 1, 0);
        grid->addWidget(row.size, 1, 1, 1, 2);
        grid->addWidget(new QLabel(text("Modifikace:"), frame), 2, 0);
        grid->addWidget(row.time, 2, 1, 1, 2);
        grid->setColumnStretch(1, 1);
        connect(row.choose, &QPushButton::clicked, this, [this, file] { chooseFile(file); });
        layout->addWidget(frame);
    }
    confirmExit_ = new QCheckBox(text("Bezpečné ukončení (kontrolní dotaz před ukončením aplikace)"), page);
    layout->addWidget(confirmExit_);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildDisplayTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(radioFrame(text("Navigátor zobrazuje"), {text("Veličiny"), text("Jednotky")}, navigatorPage_, page),
                    0, 0);
    grid->addWidget(
        radioFrame(text("Zobrazit Navigátor jako"), {text("Velké ikony"), text("Seznam")}, listStyle_, page), 0, 1);

    auto* shown = new QGroupBox(text("Zobrazení"), page);
    auto* shownLayout = new QVBoxLayout(shown);
    const char* panels[] = {"Krátký náhled", "Lupa", "Informace o jednotce"};
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QCheckBox(text(panels[i]), shown);
        shownLayout->addWidget(panels_[i]);
    }
    grid->addWidget(shown, 1, 0);
    grid->addWidget(radioFrame(text("Úroveň"), {text("Vše"), text("Úroveň 1"), text("Úroveň 2"), text("Úroveň 3")},
                               level_, page),
                    1, 1, 2, 1);
    onTop_ = new QCheckBox(text("Okno vždy navrchu"), page);
    grid->addWidget(onTop_, 2, 0, Qt::AlignTop);
    grid->setRowStretch(3, 1);
    return page;
}

QLineEdit* OptionsDialog::makeNumberBox(NumberBox box, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    edit->installEventFilter(this);
    numbers_[size_t(box)] = edit;
    return edit;
}

QWidget* OptionsDialog::buildFormatTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* preview = new QGroupBox(text("Krátký náhled"), page);
    auto* previewGrid = new QGridLayout(preview);
    previewGrid->addWidget(new QLabel(text("Vlastní převod do číselné soustavy:"), preview), 0, 0);
    previewGrid->addWidget(makeNumberBox(NumberBox::OwnBase, preview), 0, 1);
    previewGrid->addWidget(new QLabel(text(", poč. míst:"), preview), 0, 2);
    previewGrid->addWidget(makeNumberBox(NumberBox::OwnBasePlaces, preview), 0, 3);
    previewGrid->addWidget(new QLabel(text("Zlomky (počet desetinných míst):"), preview), 1, 0);
    previewGrid->addWidget(makeNumberBox(NumberBox::FractionPlaces, preview), 1, 1);
    previewGrid->setColumnStretch(4, 1);
    layout->addWidget(preview);

    auto* rows = new QGroupBox(text("Řádky"), page);
    auto* rowsGrid = new QGridLayout(rows);
    coloured_ = new QCheckBox(text("Barevně odlišit zadání"), rows);
    chooseColour_ = new QPushButton(text("Nastavit"), rows);
    rowMarking_ = new QCheckBox(text("Barevné značení (Ins)"), rows);
    rowsGrid->addWidget(coloured_, 0, 0);
    rowsGrid->addWidget(chooseColour_, 0, 1);
    rowsGrid->addWidget(rowMarking_, 1, 0);
    rowsGrid->setColumnStretch(2, 1);
    connect(chooseColour_, &QPushButton::clicked, this, &OptionsDialog::chooseColour);
    layout->addWidget(rows);

    auto* precision = new QGroupBox(text("Přesnost"), page);
    auto* precisionLayout = new QHBoxLayout(precision);
    precision_ = new QComboBox(precision);
    precision_->addItems({text("Jednoduchá"), text("Dvojitá"), text("Vědecké zobrazení"), text("Pevné (Fixed)")});
    precisionLayout->addWidget(precision_);
    precisionLayout->addSpacing(12);
    precisionLayout->addWidget(new QLabel(text("Desetinných míst:"), precision));
    precisionLayout->addWidget(makeNumberBox(NumberBox::FixedDecimals, precision));
    precisionLayout->addStretch();
    connect(precision_, &QComboBox::currentIndexChanged, this, &OptionsDialog::updateFixedEnabled);
    layout->addWidget(precision);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildAfterStartTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    gridLines_ = new QCheckBox(text("Zobrazit mřížku"), page);
    singleInstance_ = new QCheckBox(text("Umožnit pouze 1 instanci programu"), page);
    layout->addWidget(gridLines_);
    layout->addWidget(singleInstance_);
    auto* topic = new QGroupBox(text("Téma zobrazené po startu aplikace"), page);
    auto* topicLayout = new QHBoxLayout(topic);
    startTopic_ = new QComboBox(topic);
    startTopic_->setMaxVisibleItems(14);
    startTopic_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    topicLayout->addWidget(startTopic_);
    topicLayout->addStretch();
    layout->addWidget(topic);
    layout->addStretch();
    setStartTopics({});
    return page;
}

QWidget* OptionsDialog::buildInformationTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* usage = new QGroupBox(text("Používání aplikace"), page);
    auto* grid = new QGridLayout(usage);
    const char* captions[] = {"Počet spuštění:", "Počet převodů:", "Celková doba spuštění:", "Doba spuštění:"};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(text(captions[row]), usage), row, 0);
        statistics_[size_t(row)] = new QLabel(usage);
        grid->addWidget(statistics_[size_t(row)], row, 1);
    }
    reset_ = new QPushButton(text("Vymazat"), usage);
    grid->addWidget(reset_, 4, 2);
    grid->setColumnStretch(1, 1);
    connect(reset_, &QPushButton::clicked, this, &OptionsDialog::resetStatisticsRequested);
    layout->addWidget(usage);
    layout->addStretch();
    return page;
}

void OptionsDialog::setStartTopics(const QStringList& titles)
{
    startTopic_->clear();
    startTopic_->addItem(text("Úvodní obrazovka"));
    startTopic_->addItems(titles);
}

void OptionsDialog::setValues(const OptionsValues& v)
{
    opened_ = v;
    files_[0].path->setText(v.mainFilePath);
    files_[0].name = v.mainFileName;
    files_[1].path->setText(v.userFilePath);
    files_[1].name = v.userFileName;
    showFileLabels();
    confirmExit_->setChecked(v.confirmExit);

    checkInGroup(navigatorPage_, v.unitsShown ? 1 : 0);
    checkInGroup(listStyle_, v.largeIcons ? 0 : 1);
    panels_[0]->setChecked(v.previewShown);
    panels_[1]->setChecked(v.magnifierShown);
    panels_[2]->setChecked(v.infoPanelShown);
    onTop_->setChecked(v.alwaysOnTop);
    checkInGroup(level_, v.level);

    numbers_[size_t(NumberBox::OwnBase)]->setText(v.ownBaseText);
    numbers_[size_t(NumberBox::OwnBasePlaces)]->setText(v.ownBasePlacesText);
    numbers_[size_t(NumberBox::FractionPlaces)]->setText(v.fractionPlacesText);
    numbers_[size_t(NumberBox::FixedDecimals)]->setText(v.fixedDecimalsText);
    coloured_->setChecked(v.colourEnteredCell);
    colour_ = v.enteredCellColour;
    showColour();
    rowMarking_->setChecked(v.rowMarking);
    precision_->setCurrentIndex(v.precisionMode);
    updateFixedEnabled();

    gridLines_->setChecked(v.gridLines);
    singleInstance_->setChecked(v.singleInstance);
    startTopic_->setCurrentIndex(v.startTopic < startTopic_->count() ? v.startTopic : -1);
}

OptionsValues OptionsDialog::values() const
{
    OptionsValues v;
    v.mainFilePath = files_[0].path->text();
    v.mainFileName = files_[0].name;
    v.userFilePath = files_[1].path->text();
    v.userFileName = files_[1].name;
    v.confirmExit = confirmExit_->isChecked();
    v.unitsShown = navigatorPage_->checkedId() == 1;
    v.largeIcons = listStyle_->checkedId() == 0;
    v.previewShown = panels_[0]->isChecked();
    v.magnifierShown = panels_[1]->isChecked();
    v.infoPanelShown = panels_[2]->isChecked();
    v.alwaysOnTop = onTop_->isChecked();
    v.level = level_->checkedId();
    v.ownBaseText = numbers_[size_t(NumberBox::OwnBase)]->text();
    v.ownBasePlacesText = numbers_[size_t(NumberBox::OwnBasePlaces)]->text();
    v.fractionPlacesText = numbers_[size_t(NumberBox::FractionPlaces)]->text();
    v.fixedDecimalsText = numbers_[size_t(NumberBox::FixedDecimals)]->text();
    v.colourEnteredCell = coloured_->isChecked();
    v.enteredCellColour = colour_;
    v.rowMarking = rowMarking_->isChecked();
    v.precisionMode = precision_->currentIndex();
    v.gridLines = gridLines_->isChecked();
    v.singleInstance = singleInstance_->isChecked();
    v.startTopic = startTopic_->currentIndex();
    return v;
}

void OptionsDialog::setStatistics(const StatisticsTexts& texts)
{
    statistics_[0]->setText(texts.launches);
    statistics_[1]->setText(texts.conversions);
    statistics_[2]->setText(texts.total);
    statistics_[3]->setText(texts.run);
}

QLineEdit* OptionsDialog::numberBox(NumberBox box) const { return numbers_[size_t(box)]; }

void OptionsDialog::chooseFile(int file)
{
    FileRow& row = files_[size_t(file)];
    const std::optional<QString> chosen = services_.chooseDataFile(this, row.path->text());
    if (!chosen) return;
    row.path->setText(*chosen);
    row.name = QFileInfo(*chosen).fileName();
    showFileLabels();
}

void OptionsDialog::showFileLabels()
{
    for (FileRow& row : files_) {
        const DataFileLabels labels = dataFileLabels(row.path->text(), locale_);
        row.size->setText(labels.size);
        row.time->setText(labels.modified);
    }
}

void OptionsDialog::chooseColour()
{
    const std::optional<QColor> chosen = services_.chooseColour(this, colourFromStored(colour_, palette()));
    if (chosen) {
        colour_ = storedFromColour(*chosen);
        showColour();
    }
    coloured_->setFocus();
}

// The check box's text is drawn in the colour it stands for.
void OptionsDialog::showColour()
{
    const QColor colour = colourFromStored(colour_, QApplication::palette());
    QPalette shown = coloured_->palette();
    shown.setColor(QPalette::WindowText, colour);
    shown.setColor(QPalette::ButtonText, colour);
    coloured_->setPalette(shown);
}

void OptionsDialog::updateFixedEnabled()
{
    numbers_[size_t(NumberBox::FixedDecimals)]->setEnabled(precision_->currentIndex() == 3);
}

void OptionsDialog::tryAccept()
{
    if (const std::optional<NumberBox> refused = firstRefusedBox(values())) {
        refuse(*refused);
        return;
    }
    accept();
}

void OptionsDialog::refuse(NumberBox box)
{
    QLineEdit* edit = numberBox(box);
    tabs_->setCurrentIndex(Format);
    messages_.show(MessageIcon::Information, appTitle(), numberRangeMessage(numberRange(box)));
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void OptionsDialog::reject()
{
    setValues(opened_);  // whatever the choosers changed goes back
    QDialog::reject();
}

// A number box that the user leaves by Tab or a click elsewhere (but not for
// OK, which checks every box, nor for Storno) must hold a number of its
// range; otherwise the user is told and the focus returns to it.
bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool left = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        QWidget* next = QApplication::focusWidget();
        for (size_t i = 0; i < numbers_.size(); ++i) {
            if (watched != numbers_[i] || !left || next == ok_ || next == cancel_) continue;
            const auto box = NumberBox(i);
            QPointer<QLineEdit> edit = numbers_[i];
            QTimer::singleShot(0, this, [this, box, edit] {
                if (!edit || !isVisible() || !edit->isVisible()) return;
                if (!readWholeNumber(edit->text(), numberRange(box))) refuse(box);
            });
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tolvarin
