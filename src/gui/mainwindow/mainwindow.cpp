#include "mainwindow/mainwindow.h"

#include "catalogue/catalogueloader.h"
#include "catalogue/topictable.h"
#include "common/apptitle.h"
#include "conversion/clipboardaccess.h"
#include "conversion/clipboardcommands.h"
#include "conversion/conversiongrid.h"
#include "conversion/conversionview.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/conversionpanel.h"
#include "mainwindow/infolinelabel.h"
#include "mainwindow/lifecycle.h"
#include "mainwindow/prefixviewcommand.h"
#include "mainwindow/qtmessagesink.h"
#include "mainwindow/reportmessages.h"
#include "mainwindow/sidepanels.h"
#include "navigation/navigatorpanel.h"
#include "navigation/searchpanel.h"
#include "navigation/topicnavigation.h"
#include "settings/settingsrecord.h"

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTextEdit>

#include <algorithm>

namespace tolvarin {

namespace {

constexpr int kMagnifierPointSize = 14;
constexpr int kTypingPointSize = 24;

QRect toPixels(const TwipsRect& r, double dpi)
{
    return QRect(twipsToPixels(r.left, dpi), twipsToPixels(r.top, dpi), twipsToPixels(r.width, dpi),
                 twipsToPixels(r.height, dpi));
}

QString withoutAccessKey(QString caption) { return caption.remove(QLatin1Char('&')); }

// A stored colour: a system colour reference (high bit set, index in the low
// byte) or an RGB value with red in the low byte. The highlighted-text
// reference of the default marks the value in the highlight colour, which
// stays readable on the grid's light background.
QColor storedColour(qint32 stored)
{
    const auto bits = quint32(stored);
    if (bits & 0x80000000u) {
        const bool windowText = (bits & 0xFFu) == 8;
        return QApplication::palette().color(windowText ? QPalette::WindowText : QPalette::Highlight);
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

}  // namespace

MainWindow::MainWindow(const MainWindowOptions& options, QWidget* parent)
    : QMainWindow(parent), catalogue_(std::make_unique<UnitCatalogue>()), locale_(options.locale)
{
    setObjectName(QStringLiteral("frmTolvarin"));
    setWindowTitle(appCaption());
    if (options.messages) {
        messages_ = options.messages;
    } else {
        ownMessages_ = std::make_unique<QtMessageSink>(this);
        messages_ = ownMessages_.get();
    }

    const QString folder =
        options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : options.programFolder;
    dataConfig_.mainPath = QDir(folder).filePath(dataConfig_.mainName);
    dataConfig_.userPath = QDir(folder).filePath(dataConfig_.userName);
    dataConfig_.locale = locale_;

    commands_ = new CommandSurfaces(this);
    buildClientArea();
    view_ = new ConversionView(*catalogue_, panel_->grid(), *messages_, locale_, this);
    connectCommands();
    buildAsViewCommands(options.clipboard);

    const double dpi = logicalDpiX();
    setMinimumSize(twipsToPixels(layout::kMinWindowWidth, dpi), twipsToPixels(layout::kMinWindowHeight, dpi));
    resize(twipsToPixels(layout::kMinWindowWidth, dpi), twipsToPixels(layout::kDefaultWindowHeight, dpi));
    title_->setText(QLatin1Char(' ') + welcomeTitle());
    setLevelPanel(0);

    Lifecycle::Options lifecycleOptions{options.settingsFile, options.instanceLockFile, folder, locale_,
                                        options.showSplash};
    lifecycle_ = std::make_unique<Lifecycle>(*this, *messages_, lifecycleOptions);
}

bool MainWindow::startUp(const QStringList& arguments) { return lifecycle_->startUp(arguments); }

void MainWindow::applySettings(const SettingsRecord& settings)
{
    DisplayFormat format = view_->format();
    format.fixedPattern = settings.fixedPattern.isEmpty() ? FixPattern(settings.fixedDecimals) : settings.fixedPattern;
    view_->setFormat(format);
    view_->setColouring(settings.colourEnteredCell == 1, storedColour(settings.enteredCellColour));
    setConversionCount(settings.conversionCount);
    representationSettings_ = {settings.ownBase, settings.ownBasePlaces, settings.fractionSensitivity};
}

void MainWindow::loadData(const SettingsRecord& settings)
{
    dataConfig_.mainPath = settings.mainFilePath;
    dataConfig_.mainName = settings.mainFileName;
    dataConfig_.userPath = settings.userFilePath;
    dataConfig_.userName = settings.userFileName;
    // The stored level is read at once, so the files are read only once.
    dataConfig_.level = UnitLevel(std::clamp(int(settings.unitLevel), 0, 3));
    reloadCatalogue();
}

void MainWindow::setTopicTitles(const QStringList& builtin, const QList<std::pair<int, QString>>& user)
{
    for (int slot = 1; slot <= kBuiltinTopicCount && slot <= builtin.size(); ++slot) {
        catalogue_->setTitle(slot, builtin[slot - 1]);
        commands_->action(QStringLiteral("mnuTema"), slot)->setText(builtin[slot - 1]);
    }
    for (const auto& [number, title] : user) catalogue_->setTitle(kBuiltinTopicCount + number, title);
    fillNavigator();
}

void MainWindow::openStartTopic(int topic, int level)
{
    for (int i = 0; i <= 3; ++i) commands_->action(QStringLiteral("mnuU"), i)->setChecked(i == level);
    setLevelPanel(std::clamp(level, 0, 3));
    if (topic < 1 || topic > kBuiltinTopicCount) {
        title_->setText(QLatin1Char(' ') + welcomeTitle());  // the start screen keeps its welcome
        navigator_->topicList()->setCurrentRow(0);
        navigator_->topicList()->setFocus();
        return;
    }
    mnuTema_Click(topic);
    relayout();
}

void MainWindow::setGridLines(bool shown) { grid()->setGridLines(shown); }

void MainWindow::setMenuCaption(const QString& name, int index, const QString& caption)
{
    if (QAction* a = commands_->action(name, index)) a->setText(caption);
}

void MainWindow::setMenuChecked(const QString& name, int index, bool checked)
{
    if (QAction* a = commands_->action(name, index)) a->setChecked(checked);
}

void MainWindow::clearPanelMarks()
{
    for (const char* name : {"mnuNahled", "mnuLupa", "mnuInfo", "mnuOnTop"}) setMenuChecked(QString::fromLatin1(name), -1, false);
    for (const char* key : {"Náhled", "Lupa", "Info"}) setPanelButton(QString::fromUtf8(key), false);
    magnifierOn_ = false;
    previewFollow();
    relayout();
}

void MainWindow::setPanel(const QString& key, bool on)
{
    setPanelButton(key, on);
    if (key == QLatin1String("Lupa")) {
        commands_->action(QStringLiteral("mnuLupa"))->setChecked(on);
        magnifierOn_ = on;
        relayout();
        refreshMagnifier();
    } else if (key == QLatin1String("Info")) {
        InfoOnOff();
    } else {
        previewFollow();
    }
}

QStringList MainWindow::builtinTopicTitles() const
{
    QStringList titles;
    for (int i = 0; i < navigator_->topicList()->count(); ++i) titles << navigator_->topicList()->item(i)->text();
    return titles;
}

QList<std::pair<int, QString>> MainWindow::userTopicTitles() const
{
    QList<std::pair<int, QString>> titles;
    const std::vector<int> userSlots = navigator_->userSlots();
    for (size_t i = 0; i < userSlots.size(); ++i)
        titles.append({userSlots[i] - kBuiltinTopicCount, navigator_->userList()->item(int(i))->text()});
    return titles;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!lifecycle_->quitRoutine()) {
        event->ignore();
        return;
    }
    event->accept();
    lifecycle_->finish();
}

MainWindow::~MainWindow() = default;

ConversionGrid* MainWindow::grid() const { return panel_->grid(); }
InfoLineLabel* MainWindow::infoLine() const { return panel_->infoLine(); }

void MainWindow::buildClientArea()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("picPlocha"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    magnifier_ = new MagnifierPanel(client_);
    magnifier_->hide();
    navigator_ = new NavigatorPanel(client_);
    splitter_ = new SplitterBar(client_);
    title_ = new QLabel(client_);
    title_->setObjectName(QStringLiteral("lblTitulek"));
    title_->setTextFormat(Qt::PlainText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->installEventFilter(this);
    panel_ = new ConversionPanel(client_);
    panel_->hide();  // parked until a topic is opened
    infoPanel_ = new QTextEdit(client_);
    infoPanel_->setObjectName(QStringLiteral("txtInfo"));
    infoPanel_->setReadOnly(true);
    infoPanel_->hide();
}

void MainWindow::connectCommands()
{
    connect(commands_, &CommandSurfaces::menuTriggered, this, &MainWindow::onMenu);
    connect(commands_, &CommandSurfaces::toolButtonClicked, this, &MainWindow::onToolButton);
    connect(commands_, &CommandSurfaces::toolMenuClicked, this, &MainWindow::onToolMenu);
    connect(commands_, &CommandSurfaces::statusPanelClicked, this, &MainWindow::onStatusPanel);

    connect(view_, &ConversionView::showInfoLine, this, &MainWindow::ShowInfoLine);
    connect(view_, &ConversionView::titleChanged, title_, &QLabel::setText);
    connect(view_, &ConversionView::topicUnitsChanged, this,
            [this](const QString& text) { commands_->statusPanel(QStringLiteral("TVeličiny"))->setText(text); });
    connect(view_, &ConversionView::filled, this, [this] {
        enableTopicCommands();
        refreshInfoPanel();
    });
    connect(view_, &ConversionView::hideAvailabilityChanged, this, [this](bool available) {
        commands_->action(QStringLiteral("mnuSkryt"))->setEnabled(available);
        commands_->action(QStringLiteral("mnuHide"), 2)->setEnabled(available);
    });
    connect(view_, &ConversionView::converted, this, [this](bool counted) {
        if (counted) ++conversions_;
    });
    connect(view_, &ConversionView::currentRowChanged, this, [this] {
        refreshMagnifier();
        refreshInfoPanel();
        const ConversionGrid* g = grid();
        if (panel_->marker()->isVisible() && g->topRow() == 0) panel_->marker()->hide();
    });
    connect(view_, &ConversionView::magnifierChanged, this, &MainWindow::refreshMagnifier);
    connect(view_, &ConversionView::unitsHidden, this,
            [this] { navigator_->setUnits(unitListEntries(*catalogue_)); });

    ConversionGrid* g = grid();
    connect(g, &ConversionGrid::rightPressed, this, [this](int, int column, const QPoint& pos) {
        if (currentSlot_ < 1) return;
        popup(column == ConversionGrid::kValueColumn ? QStringLiteral("mnuA") : QStringLiteral("mnuTab"), pos);
    });
    connect(g, &ConversionGrid::editorRightPressed, this,
            [this](const QPoint& pos) { popup(QStringLiteral("mnuEditace"), pos); });
    connect(g, &ConversionGrid::editorTextChanged, this, [this](const QString& text) {
        if (!magnifierOn_) return;
        magnifier_->setMagnifiedText(grid()->nameText(grid()->currentRow()) + QStringLiteral("\r\n") + text,
                                     kTypingPointSize);
    });
    // "Další jednotky" stands in the corner while rows are hidden above the top row.
    connect(g, &ConversionGrid::scrolled, this, [this] { panel_->marker()->setVisible(grid()->topRow() > 0); });
    connect(panel_, &ConversionPanel::rightPressed, this, [this](const QPoint& pos) { popup(QStringLiteral("mnuPrejit"), pos); });
    connect(infoLine(), &InfoLineLabel::rightReleased, this, [this](const QPoint& pos) { popup(QStringLiteral("mnuKN"), pos); });
    connect(panel_->marker(), &QToolButton::clicked, this, [this] {
        ConversionGrid* g = grid();
        g->setCurrentCell(std::max(0, g->currentRow() - 1), ConversionGrid::kValueColumn);
        g->setTopRow(std::max(0, g->topRow() - 1));
        g->setFocus();
        if (g->topRow() == 0) panel_->marker()->hide();
    });
    connect(splitter_, &SplitterBar::dragFinished, this,
            [this](int left) { setVlevo(pixelsToTwips(left, logicalDpiX()) + layout::kSplitterWidth); });

    connectNavigator();
}

void MainWindow::onMenu(const QString& name, int index)
{
    if (onAsViewMenu(name, index)) return;
    if (name == QLatin1String("mnuNacist")) reloadCatalogue();
    else if (name == QLatin1String("mnuKonec")) close();
    else if (name == QLatin1String("mnuFormatZ")) mnuFormatZ_Click(index);
    else if (name == QLatin1String("mnuU")) mnuU_Click(index);
    else if (name == QLatin1String("mnuTema")) mnuTema_Click(index);
    else if (name == QLatin1String("mnuNavigace")) mnuNavigace_Click(index);
    else if (name == QLatin1String("mnuLupa")) {
        setPanelButton(QStringLiteral("Lupa"), !panelButtonPressed(QStringLiteral("Lupa")));
        LupaOnOff();
    } else if (name == QLatin1String("mnuInfo")) {
        setPanelButton(QStringLiteral("Info"), !panelButtonPressed(QStringLiteral("Info")));
        InfoOnOff();
    } else if (name == QLatin1String("mnuNahled")) {
        setPanelButton(QStringLiteral("Náhled"), !panelButtonPressed(QStringLiteral("Náhled")));
        previewFollow();
    } else if (name == QLatin1String("mnuNahledUkazuje")) {
        commands_->action(name, index)->setChecked(true);
        commands_->action(name, 1 - index)->setChecked(false);
        view_->setPreviewTarget(index == 1 ? PreviewTarget::EnteredUnit : PreviewTarget::FirstUnit);
    } else if (name == QLatin1String("mnuHide")) {
        if (index == 0) reloadCatalogue();
        else if (index == 1) view_->hideActive();
        else view_->hideUnmarked();
    } else if (name == QLatin1String("mnuSkryt")) view_->hideUnmarked();
    else if (name == QLatin1String("mnuZobrazitVse")) reloadCatalogue();
    else if (name == QLatin1String("mnuBarvy")) {
        const bool on = !view_->markingOn();
        commands_->action(name)->setChecked(on);
        view_->setMarkingOn(on);
    } else if (name == QLatin1String("mnuNavigator")) {
        NavigatorMenu(index);
        if (index == 0) NavigatorV();
        else if (index == 1) NavigatorU();
        else if (index == 2) NavigatorJ();
    } else if (name == QLatin1String("mnuIkony")) VelicinyI(index);
    else if (name == QLatin1String("mnuNajit")) mnuNajit_Click();
}

void MainWindow::onToolButton(const QString& key)
{
    if (onAsViewToolButton(key)) return;
    if (key == QStringLiteral("Náhled")) previewFollow();
    else if (key == QLatin1String("Lupa")) LupaOnOff();
    else if (key == QLatin1String("Info")) InfoOnOff();
    else if (key == QStringLiteral("Zpět")) mnuNavigace_Click(1);
    else if (key == QStringLiteral("Vpřed")) mnuNavigace_Click(2);
    else if (key == QStringLiteral("Úroveň")) mnuU_Click(0);
}

void MainWindow::onToolMenu(const QString& key)
{
    if (representations_->asEntryClicked(key)) return;
    const QStringList levels = {QStringLiteral("Vse"), QStringLiteral("Uroven1"), QStringLiteral("Uroven2"),
                                QStringLiteral("Uroven3")};
    if (levels.contains(key)) mnuU_Click(int(levels.indexOf(key)));
}

void MainWindow::onStatusPanel(const QString& key)
{
    if (key == QLatin1String("Temata")) {
        UkazPrevod();
        NavigatorV();
    } else if (key == QStringLiteral("Veličiny")) {
        UkazPrevod();
        NavigatorJ();
    } else if (key == QLatin1String("Uroven")) {
        popup(QStringLiteral("mnuUroven"), QCursor::pos());
    }
}

void MainWindow::popup(const QString& menuName, const QPoint& globalPos)
{
    if (QMenu* menu = commands_->menu(menuName)) menu->popup(globalPos);
}

// ---- catalogue ----

void MainWindow::reloadCatalogue()
{
    showReport(tolvarin::reloadCatalogue(*catalogue_, dataConfig_), *messages_);
    navigator_->setUnits(unitListEntries(*catalogue_));
    updateCounters();
    if (currentSlot_ > 0) view_->FillGrid(currentSlot_);
}

void MainWindow::fillNavigator()
{
    QStringList titles;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) titles << catalogue_->title(slot);
    navigator_->setTopics(titles);
    QList<std::pair<int, QString>> user;
    for (int n : catalogue_->usedUserTopics()) user.append({kBuiltinTopicCount + n, catalogue_->title(kBuiltinTopicCount + n)});
    navigator_->setUserTopics(user);
    navigator_->setUnits(unitListEntries(*catalogue_));
    updateCounters();
}

void MainWindow::updateCounters()
{
    commands_->statusPanel(QStringLiteral("Temata"))->setText(topicCounterText(*catalogue_));
    commands_->statusPanel(QStringLiteral("Veličiny"))->setText(unitCounterText(*catalogue_));
}

void MainWindow::mnuU_Click(int index)
{
    if (index < 0 || index > 3) return;
    for (int i = 0; i <= 3; ++i) commands_->action(QStringLiteral("mnuU"), i)->setChecked(i == index);
    setLevelPanel(index);
    dataConfig_.level = UnitLevel(index);
    reloadCatalogue();
    grid()->setFocus();
}

void MainWindow::setLevelPanel(int index)
{
    QLabel* panel = commands_->statusPanel(QStringLiteral("Uroven"));
    panel->setText(index == 0 ? QStringLiteral("V") : QString::number(index));
    panel->setToolTip(index == 0 ? QStringLiteral("Úroveň Vše") : QStringLiteral("Úroveň ") + QString::number(index));
}

// ---- display formats ----

void MainWindow::FormatZ(int& index)
{
    if (index < 0) index = 0;
    if (index > 3) index = 3;
    DisplayFormat format = view_->format();
    format.mode = precisionModeFromIndex(index);
    view_->setFormat(format);
    for (int i = 0; i <= 3; ++i) commands_->action(QStringLiteral("mnuFormatZ"), i)->setChecked(i == index);
    QLabel* panel = commands_->statusPanel(QStringLiteral("Presnost"));
    panel->setText(precisionCode(format.mode));
    panel->setToolTip(withoutAccessKey(commands_->action(QStringLiteral("mnuFormatZ"), index)->text()));
}

void MainWindow::mnuFormatZ_Click(int index)
{
    FormatZ(index);
    view_->ApplyFormat();
    refreshMagnifier();
}

// ---- topic navigation ----

void MainWindow::Navigace()
{
    if (currentSlot_ < 1) return;
    view_->FillGrid(currentSlot_);
    UkazPrevod();
    NavigaceSet();
}

void MainWindow::NavigaceSet()
{
    const BackForward state = backForwardState(currentSlot_, navigator_->userSlots());
    commands_->toolButton(QStringLiteral("Zpět"))->setEnabled(state.back);
    commands_->action(QStringLiteral("mnuNavigace"), 1)->setEnabled(state.back);
    commands_->toolButton(QStringLiteral("Vpřed"))->setEnabled(state.forward);
    commands_->action(QStringLiteral("mnuNavigace"), 2)->setEnabled(state.forward);
}

void MainWindow::UkazPrevod()
{
    if (conversionShown_) return;
    conversionShown_ = true;
    relayout();
}

void MainWindow::mnuTema_Click(int index)
{
    if (index < 1 || index > kBuiltinTopicCount) return;
    UkazPrevod();
    currentSlot_ = index;
    navigator_->selectTopic(index);
    view_->FillGrid(index);
    NavigaceSet();
}

void MainWindow::mnuNavigace_Click(int index)
{
    const int slot = steppedTopic(currentSlot_, index == 1 ? Step::Previous : Step::Next, navigator_->userSlots());
    if (slot < 1) return;  // nothing is open and there is nothing before it
    currentSlot_ = slot;
    navigator_->selectTopic(slot);
    Navigace();
}

// ---- navigator and unit search ----

void MainWindow::connectNavigator()
{
    using Page = NavigatorPanel::Page;
    navigator_->searchPanel()->setCatalogue(catalogue_.get());
    connect(navigator_, &NavigatorPanel::topicClicked, this, [this](int slot) {
        currentSlot_ = slot;
        NavigaceSet();
    });
    connect(navigator_, &NavigatorPanel::topicActivated, this, [this](int slot) {
        // Enter on an empty list opens the current topic, or topic 1 from the start screen.
        if (slot > 0) currentSlot_ = slot;
        else if (currentSlot_ < 1) currentSlot_ = 1;
        navigator_->selectTopic(currentSlot_);  // the list shows which topic is open
        Navigace();
    });
    connect(navigator_, &NavigatorPanel::unitActivated, this, &MainWindow::ShowJednotka);
    connect(navigator_, &NavigatorPanel::topicRenamed, this, &MainWindow::onTopicRenamed);
    connect(navigator_, &NavigatorPanel::viewMenuRequested, this, [this](const QPoint& pos) {
        if (QMenu* menu = commands_->menu(QStringLiteral("mnut")))
            menu->popup(pos - QPoint(menu->sizeHint().width() / 2, 0));  // centred on the pointer
    });
    // A tab chosen by the user: the list's selected quantity becomes the
    // current topic (not opened); the unit list leaves the topic as it is.
    connect(navigator_, &NavigatorPanel::pageChosen, this, [this](Page page) {
        showNavigatorList(int(page));
        const int slot = page == Page::Units ? 0 : navigator_->selectedSlot(page);
        if (slot < 1) return;
        currentSlot_ = slot;
        NavigaceSet();
    });
}

void MainWindow::NavigatorV() { showNavigatorList(int(NavigatorPanel::Page::Topics)); }
void MainWindow::NavigatorJ() { showNavigatorList(int(NavigatorPanel::Page::Units)); }
void MainWindow::NavigatorU() { showNavigatorList(int(NavigatorPanel::Page::User)); }

// The steps NavigatorV, NavigatorJ and NavigatorU share. Before the window is
// on screen (start-up) the focus, the selection and UkazPrevod are skipped.
void MainWindow::showNavigatorList(int pageIndex)
{
    const auto page = NavigatorPanel::Page(pageIndex);
    const bool onScreen = isVisible();
    if (onScreen && page != NavigatorPanel::Page::Topics) UkazPrevod();
    if (view_->slot() < 1) title_->setText(NavigatorPanel::selectionTitle(page));
    navigator_->showPage(page, onScreen && isEnabled());
    NavigatorMenu(NavigatorPanel::menuIndex(page));
    NaviPanelSet(NavigatorPanel::panelText(page));
}

void MainWindow::NavigatorMenu(int polozka)
{
    for (int i = 0; i <= 2; ++i) commands_->action(QStringLiteral("mnuNavigator"), i)->setChecked(i == polozka);
}

void MainWindow::NaviPanelSet(const QString& text) { commands_->statusPanel(QStringLiteral("Navi"))->setText(text); }

void MainWindow::VelicinyI(int value)
{
    if (value != 0 && value != 1) return;
    navigator_->setLargeIcons(value == 0);
    for (int i = 0; i <= 1; ++i) commands_->action(QStringLiteral("mnuIkony"), i)->setChecked(i == value);
}

void MainWindow::ShowJednotka(const QString& tag)
{
    int slot = 0;
    int row = 0;
    if (!parseUnitTag(tag, &slot, &row) || slot < 1) return;
    currentSlot_ = slot;
    navigator_->selectTopic(slot);
    Navigace();
    ConversionGrid* g = grid();
    if (row < 1 || row > g->rowCount()) return;
    g->setCurrentCell(row - 1, ConversionGrid::kValueColumn);
    g->setTopRow(row - 1);
    // "Další jednotky": there are units above the top row.
    panel_->marker()->setVisible(g->topRow() > 0);
}

void MainWindow::mnuNajit_Click() { navigator_->showSearch(); }

void MainWindow::onTopicRenamed(int slot, const QString& title)
{
    catalogue_->setTitle(slot, title);
    if (slot <= kBuiltinTopicCount) {
        QString caption = title;
        commands_->action(QStringLiteral("mnuTema"), slot)
            ->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));  // a "&" is shown, not an access key
    }
    if (view_->slot() == slot) {
        title_->setText(QLatin1Char(' ') + title +
                        (catalogue_->isHidden(slot) ? QStringLiteral(" (skryto)") : QString()));
    }
}

// ---- panels ----

bool MainWindow::panelButtonPressed(const QString& key) const { return commands_->toolButton(key)->isChecked(); }

void MainWindow::setPanelButton(const QString& key, bool pressed) { commands_->toolButton(key)->setChecked(pressed); }

void MainWindow::previewFollow()
{
    const bool on = panelButtonPressed(QStringLiteral("Náhled"));
    commands_->action(QStringLiteral("mnuNahled"))->setChecked(on);
    infoLine()->setVisible(on);
}

void MainWindow::LupaOnOff()
{
    const bool wanted = panelButtonPressed(QStringLiteral("Lupa"));
    // The magnifier shows rows of an open topic; without one it stays off.
    const bool on = wanted && conversionShown_;
    if (wanted != on) setPanelButton(QStringLiteral("Lupa"), on);
    commands_->action(QStringLiteral("mnuLupa"))->setChecked(on);
    if (on == magnifierOn_) return;
    magnifierOn_ = on;
    relayout();
    refreshMagnifier();
}

void MainWindow::InfoOnOff()
{
    const bool on = panelButtonPressed(QStringLiteral("Info"));
    commands_->action(QStringLiteral("mnuInfo"))->setChecked(on);
    relayout();
    refreshInfoPanel();
}

void MainWindow::refreshMagnifier()
{
    if (!magnifierOn_) return;
    magnifier_->setMagnifiedText(view_->magnifierText(), kMagnifierPointSize);
}

void MainWindow::refreshInfoPanel()
{
    if (!commands_->action(QStringLiteral("mnuInfo"))->isChecked()) return;
    QString text = view_->infoPanelText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    infoPanel_->setPlainText(text);
}

void MainWindow::ShowInfoLine(const QString& text, bool important, const QColor& colour)
{
    if (infoLine()->isVisibleTo(panel_)) {
        infoLine()->setInfo(text, colour);
    } else if (important) {
        messages_->show(MessageIcon::Information, appTitle(), text);
    }
    const ConversionGrid* g = grid();
    const bool cellHasText = g->currentRow() >= 0 && !g->valueText(g->currentRow()).isEmpty();
    commands_->toolButton(QStringLiteral("Jako"))->setEnabled(cellHasText && !infoLine()->fullText().isEmpty());
}

void MainWindow::enableTopicCommands()
{
    for (const char* key : {"Náhled", "Lupa", "Info"}) commands_->toolButton(QString::fromUtf8(key))->setEnabled(true);
    for (const char* name : {"mnuRadek", "mnuNahled", "mnuLupa", "mnuInfo", "mnuPredpony", "mnuA"})
        commands_->action(QString::fromLatin1(name))->setEnabled(true);
}

// ---- layout ----

void MainWindow::setVlevo(int twips)
{
    vlevo_ = twips;
    Doleva();
}

void MainWindow::Doleva()
{
    vlevo_ = clampVlevo(vlevo_, pixelsToTwips(width(), logicalDpiX()));
    relayout();
}

void MainWindow::relayout()
{
    if (!client_) return;
    const double dpi = logicalDpiX();
    vlevo_ = clampVlevo(vlevo_, pixelsToTwips(width(), dpi));
    MainLayoutInput input;
    input.clientWidth = pixelsToTwips(client_->width(), dpi);
    input.clientHeight = pixelsToTwips(client_->height(), dpi);
    input.vlevo = vlevo_;
    input.magnifierOn = magnifierOn_;
    input.infoPanelOn = panelButtonPressed(QStringLiteral("Info"));
    layout_ = computeMainLayout(input);

    magnifier_->setVisible(layout_.magnifierVisible);
    magnifier_->setGeometry(toPixels(layout_.magnifier, dpi));
    navigator_->setGeometry(toPixels(layout_.navigator, dpi));
    splitter_->setGeometry(toPixels(layout_.splitter, dpi));
    title_->setGeometry(toPixels(layout_.title, dpi));
    panel_->setGeometry(toPixels(layout_.conversionPanel, dpi));
    panel_->setVisible(conversionShown_);
    infoPanel_->setGeometry(toPixels(layout_.infoPanel, dpi));
    infoPanel_->setVisible(input.infoPanelOn);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    relayout();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize) relayout();
    if (watched == title_ && event->type() == QEvent::MouseButtonPress) {
        popup(QStringLiteral("mnuPrejit"), client_->mapToGlobal(panel_->geometry().topLeft()));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Aktuální jako, clipboard and prefixes ----

void MainWindow::buildAsViewCommands(ClipboardAccess* clipboard)
{
    if (!clipboard) {
        ownClipboard_ = std::make_unique<SystemClipboard>();
        clipboard = ownClipboard_.get();
    }

    RepresentationCommands::Target representation;
    representation.commands = commands_;
    representation.grid = grid();
    representation.locale = locale_;
    representation.settings = &representationSettings_;
    representation.showInfoLine = [this](const QString& text, bool important, const QColor& colour) {
        ShowInfoLine(text, important, colour);
    };
    representation.magnify = [this](const QString& text) {
        if (magnifierOn_) magnifier_->setMagnifiedText(text, kMagnifierPointSize);
    };
    representations_ = new RepresentationCommands(std::move(representation), this);

    ClipboardCommands::Surfaces surfaces;
    surfaces.copy = {commands_->action(QStringLiteral("mnuKopirovat")),
                     commands_->toolButton(QStringLiteral("Kopírovat"))};
    surfaces.paste = {commands_->action(QStringLiteral("mnuVlozit")), commands_->toolButton(QStringLiteral("Vložit"))};
    clipboardCommands_ = std::make_unique<ClipboardCommands>(grid(), view_, *clipboard, locale_, surfaces);
    ClipboardCommands* refresh = clipboardCommands_.get();
    connect(view_, &ConversionView::filled, refresh, &ClipboardCommands::RefreshClipboardCommands);
    connect(view_, &ConversionView::currentRowChanged, refresh, &ClipboardCommands::RefreshClipboardCommands);
    connect(view_, &ConversionView::converted, refresh, &ClipboardCommands::RefreshClipboardCommands);
    connect(view_, &ConversionView::commitFailed, refresh, &ClipboardCommands::RefreshClipboardCommands);

    PrefixViewCommand::Target prefixes;
    prefixes.catalogue = catalogue_.get();
    prefixes.grid = grid();
    prefixes.title = title_;
    prefixes.clipboard = clipboard;
    prefixes.messages = messages_;
    prefixes.locale = locale_;
    prefixes.openTopic = [this](int slot) { mnuTema_Click(slot); };
    prefixView_ = new PrefixViewCommand(std::move(prefixes), this);
    connect(prefixView_, &PrefixViewCommand::shown, this, [this] {
        clipboardCommands_->RefreshClipboardCommands();
        refreshMagnifier();
        refreshInfoPanel();
    });
}

bool MainWindow::onAsViewMenu(const QString& name, int index)
{
    if (name == QLatin1String("mnuSoustava")) representations_->showNumberSystem(index);
    else if (name == QLatin1String("mnuZlomek")) representations_->showAs(Representation::Fraction);
    else if (name == QLatin1String("mnuLatin")) representations_->showAs(Representation::Roman);
    else if (name == QLatin1String("mnuKopirovat")) clipboardCommands_->mnuKopirovat_Click();
    else if (name == QLatin1String("mnuVlozit")) clipboardCommands_->mnuVlozit_Click();
    else if (name == QLatin1String("mnuPredpony")) prefixView_->PredponyView();
    else return false;
    return true;
}

bool MainWindow::onAsViewToolButton(const QString& key)
{
    if (key == QLatin1String("Jako")) representations_->repeatRemembered();
    else if (key == QStringLiteral("Kopírovat")) clipboardCommands_->mnuKopirovat_Click();
    else if (key == QStringLiteral("Vložit")) clipboardCommands_->mnuVlozit_Click();
    else return false;
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        showMinimized();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace tolvarin
