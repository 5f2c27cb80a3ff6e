#include "mainwindow/mainwindow.h"

#include "catalogue/catalogueloader.h"
#include "catalogue/datafileeditor.h"
#include "catalogue/editordialogs.h"
#include "catalogue/topictable.h"
#include "common/apptitle.h"
#include "conversion/clipboardaccess.h"
#include "conversion/clipboardcommands.h"
#include "conversion/conversiongrid.h"
#include "conversion/conversionview.h"
#include "mainwindow/appicon.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/compactview.h"
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
#include "output/aboutdialog.h"
#include "output/calculatorcommand.h"
#include "output/contexthelp.h"
#include "output/desktopaccess.h"
#include "output/helptopics.h"
#include "output/helpwindow.h"
#include "output/linkcommands.h"
#include "output/windowstacking.h"
#include "settings/editorfont.h"
#include "settings/colourvalue.h"
#include "settings/optionscommand.h"
#include "settings/settingsrecord.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStatusBar>
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

}  // namespace

MainWindow::MainWindow(const MainWindowOptions& options, QWidget* parent)
    : QMainWindow(parent), catalogue_(std::make_unique<UnitCatalogue>()), locale_(options.locale)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(appCaption());
    setWindowIcon(programIcon());
    if (options.messages) {
        messages_ = options.messages;
    } else {
        ownMessages_ = std::make_unique<QtMessageSink>(this);
        messages_ = ownMessages_.get();
    }

    dataFolders_ = options.dataFolders ? *options.dataFolders
                                       : standardDataFolders(QCoreApplication::applicationDirPath());
    dataConfig_.mainPath = QDir(dataFolders_.program).filePath(dataConfig_.mainName);
    dataConfig_.userPath = QDir(dataFolders_.program).filePath(dataConfig_.userName);
    dataConfig_.locale = locale_;

    commands_ = new CommandSurfaces(this);
    buildClientArea();
    view_ = new ConversionView(*catalogue_, panel_->grid(), *messages_, locale_, this);
    RecordingFileChooser chooseRecordingTarget = options.recordingFile;
    if (!chooseRecordingTarget)
        chooseRecordingTarget = [this](const QString& suggested) { return chooseRecordingFile(this, suggested); };
    recording_ = new RecordingCommands(*commands_, *view_->model(), *messages_, chooseRecordingTarget, this);
    PrintCommand::Sources printed{view_->model(), [this] { return grid()->currentRow(); },
                                  [this] { return infoLine()->fullText(); },
                                  [this] { return commands_->action(Command::Preview)->isChecked(); }};
    print_ = new PrintCommand(std::move(printed), options.print, *messages_, this);
    connect(print_, &PrintCommand::dialogClosed, this, [this] { grid()->setFocus(); });
    connectCommands();
    buildAsViewCommands(options.clipboard);
    buildHelp(options.help);
    buildDataFileEditor(options.editorDialogs);
    buildServices(options.urls, options.programs);

    const double dpi = logicalDpiX();
    setMinimumSize(std::max(twipsToPixels(layout::kMinWindowWidth, dpi), statusPanelsWidth()),
                   twipsToPixels(layout::kMinWindowHeight, dpi));
    resize(twipsToPixels(layout::kMinWindowWidth, dpi), twipsToPixels(layout::kDefaultWindowHeight, dpi));
    title_->setText(QLatin1Char(' ') + welcomeTitle());
    showLevel(0);

    Lifecycle::Options lifecycleOptions{options.settingsFile, options.instanceLockFile, dataFolders_, locale_,
                                        options.showSplash};
    lifecycle_ = std::make_unique<Lifecycle>(*this, *messages_, lifecycleOptions);
    options_ = new OptionsCommand(*this, *messages_, locale_, options.optionsServices, this);
}

bool MainWindow::startUp(const QStringList& arguments) { return lifecycle_->startUp(arguments); }

void MainWindow::applySettings(const SettingsRecord& settings)
{
    DisplayFormat format = view_->format();
    format.fixedPattern = settings.fixedPattern.isEmpty() ? fixedDecimalsPattern(settings.fixedDecimals) : settings.fixedPattern;
    view_->setFormat(format);
    view_->setColouring(settings.colourEnteredCell == 1,
                        colourFromStored(settings.enteredCellColour, QApplication::palette()));
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
    reloadData();
}

void MainWindow::setTopicTitles(const QStringList& builtin, const QList<std::pair<int, QString>>& user)
{
    for (int slot = 1; slot <= kBuiltinTopicCount && slot <= builtin.size(); ++slot) {
        catalogue_->setTitle(slot, builtin[slot - 1]);
        commands_->topicAction(slot)->setText(builtin[slot - 1]);
    }
    for (const auto& [number, title] : user) catalogue_->setTitle(kBuiltinTopicCount + number, title);
    fillNavigator();
}

void MainWindow::openStartTopic(int topic, int level)
{
    showLevel(std::clamp(level, 0, 3));
    if (topic < 1 || topic > kBuiltinTopicCount) {
        title_->setText(QLatin1Char(' ') + welcomeTitle());  // the start screen keeps its welcome
        navigator_->topicList()->setCurrentRow(0);
        navigator_->topicList()->setFocus();
        return;
    }
    showTopic(topic, false);  // the stored list stays in view
    relayout();
    if (navigator_->shownPage() == NavigatorPanel::Page::Topics) {
        QListWidget* topics = navigator_->topicList();
        topics->setFocus();
        if (topics->currentItem()) topics->scrollToItem(topics->currentItem());
    }
}

void MainWindow::setGridLines(bool shown) { grid()->setGridLines(shown); }

void MainWindow::setCommandCaption(Command command, const QString& caption)
{
    commands_->action(command)->setText(caption);
}

void MainWindow::setCommandChecked(Command command, bool checked)
{
    commands_->action(command)->setChecked(checked);
}

void MainWindow::clearPanelMarks()
{
    for (Command command : {Command::Preview, Command::Magnifier, Command::InfoPanel, Command::AlwaysOnTop})
        setCommandChecked(command, false);
    relayout();
}

void MainWindow::restoreMagnifier()
{
    magnifierOn_ = true;
    {
        // Not setMagnifierShown: the start topic that the magnifier waits for opens later.
        const QSignalBlocker quiet(commands_->action(Command::Magnifier));
        setCommandChecked(Command::Magnifier, true);
    }
    relayout();
    refreshMagnifier();
}

// The titles as the catalogue keeps them; a rename in the navigator writes them there.
QStringList MainWindow::builtinTopicTitles() const
{
    QStringList titles;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) titles << catalogue_->title(slot);
    return titles;
}

QList<std::pair<int, QString>> MainWindow::userTopicTitles() const
{
    QList<std::pair<int, QString>> titles;
    for (int n : catalogue_->usedUserTopics()) {
        const QString title = catalogue_->title(kBuiltinTopicCount + n);
        if (!title.isEmpty()) titles.append({n, title});  // a topic a reload brought has no title yet
    }
    return titles;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if ((!lifecycle_->quitting() && !editor_->confirmUnsavedChanges()) || !lifecycle_->quitRoutine()) {
        event->ignore();
        return;
    }
    event->accept();
    lifecycle_->finish();
}

MainWindow::~MainWindow() = default;

ConversionGrid* MainWindow::grid() const { return panel_->grid(); }

// Tolvarin Lite is made when it is first opened, so that the start does not wait for it.
CompactView* MainWindow::compactView()
{
    if (!compact_) {
        compact_ = new CompactView(*view_->model(), *messages_, locale_, panel_);
        connect(compact_, &CompactView::closed, this, [this] { grid()->setFocus(); });
    }
    return compact_;
}

InfoLineLabel* MainWindow::infoLine() const { return panel_->infoLine(); }

void MainWindow::buildClientArea()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    magnifier_ = new MagnifierPanel(client_);
    magnifier_->hide();
    navigator_ = new NavigatorPanel(client_);
    splitter_ = new SplitterBar(client_);
    title_ = new QLabel(client_);
    title_->setObjectName(QStringLiteral("titleLine"));
    title_->setTextFormat(Qt::PlainText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->installEventFilter(this);
    panel_ = new ConversionPanel(client_);
    panel_->hide();  // parked until a topic is opened
    // The start screen says how to begin, under its welcome.
    startHint_ = new QLabel(QStringLiteral("Začněte výběrem veličiny v seznamu vlevo: dvojklik nebo Enter ji otevře.\n"
                                           "Klávesy F7 a F8 listují veličinami, Ctrl+F hledá jednotku podle názvu."),
                            client_);
    startHint_->setObjectName(QStringLiteral("startHint"));
    startHint_->setTextFormat(Qt::PlainText);
    startHint_->setWordWrap(true);
    startHint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    startHint_->setContentsMargins(4, 6, 8, 0);
    infoPanel_ = new QTextEdit(client_);
    infoPanel_->setObjectName(QStringLiteral("infoPanel"));
    infoPanel_->setReadOnly(true);
    infoPanel_->hide();
}

// Every command reaches the window once: toggles by their toggled(bool),
// exclusive choices by their group with the chosen value, the topic entries
// with their slot, and every other command through runCommand.
void MainWindow::connectCommands()
{
    for (Command command : allCommands()) {
        if (command == Command::OpenTopic || commandInfo(command).checkable()) continue;
        connect(commands_->action(command), &QAction::triggered, this, [this, command] { runCommand(command); });
    }
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
        QAction* entry = commands_->topicAction(slot);
        connect(entry, &QAction::triggered, this, [this, entry] { openTopic(entry->data().toInt()); });
    }
    connect(commands_->action(Command::Magnifier), &QAction::toggled, this, &MainWindow::setMagnifierShown);
    connect(commands_->action(Command::Preview), &QAction::toggled, this, &MainWindow::setPreviewShown);
    connect(commands_->action(Command::InfoPanel), &QAction::toggled, this, &MainWindow::setInfoPanelShown);
    connect(commands_->action(Command::ColourMarking), &QAction::toggled, view_, &ConversionView::setMarkingOn);
    connect(commands_->action(Command::AlwaysOnTop), &QAction::toggled, this,
            [this](bool on) { setStaysOnTop(*this, on); });

    const auto onChoice = [this](Group group, auto chosen) {
        connect(commands_->group(group), &QActionGroup::triggered, this,
                [chosen](QAction* member) { chosen(member->data().toInt()); });
    };
    onChoice(Group::PrecisionMode, [this](int mode) { setPrecisionMode(mode); });
    onChoice(Group::Level, [this](int level) { setLevel(level); });
    onChoice(Group::PreviewTarget, [this](int target) {
        view_->setPreviewTarget(target == 1 ? PreviewTarget::EnteredUnit : PreviewTarget::FirstUnit);
    });
    onChoice(Group::NavigatorList, [this](int page) { showNavigatorList(NavigatorPanel::Page(page)); });
    onChoice(Group::NavigatorView, [this](int view) { setLargeIcons(view == 0); });

    connect(commands_, &CommandSurfaces::panelClicked, this, &MainWindow::onPanelClicked);
    connectView();
    connectNavigator();
}

void MainWindow::runCommand(Command command)
{
    switch (command) {
        case Command::Reload:
        case Command::ShowAllRows:
        case Command::RowsShowAll: reloadData(); break;
        case Command::Quit: close(); break;
        case Command::Copy: clipboardCommands_->copy(); break;
        case Command::Paste: clipboardCommands_->paste(); break;
        case Command::Find:
            if (editor_->isEditing()) editor_->find();
            else showSearch();
            break;
        case Command::HideActiveRow: view_->hideActive(); break;
        case Command::HideUnmarkedRows:
        case Command::RowsHideUnmarked: view_->hideUnmarked(); break;
        case Command::PreviousTopic: stepTopic(Step::Previous); break;
        case Command::NextTopic: stepTopic(Step::Next); break;
        case Command::PrefixView:
            if (!editor_->isEditing()) prefixView_->showPrefixes();
            break;
        case Command::AsBinary:
        case Command::AsOctal:
        case Command::AsHex:
        case Command::AsOwnBase:
        case Command::AsOwnBaseWithPlaces:
        case Command::AsFraction:
        case Command::AsRoman: representations_->showAs(command); break;
        case Command::AsRemembered:
            // Pressed by a prefix view, the button stays pressed when it is clicked.
            if (QAction* jako = commands_->action(command); jako->isCheckable()) jako->setChecked(true);
            representations_->repeatRemembered();
            break;
        case Command::Levels: setLevel(0); break;
        case Command::Record: recording_->record(); break;
        case Command::RecordPause: recording_->pause(); break;
        case Command::RecordStart: recording_->resume(); break;
        case Command::RecordStop: recording_->stop(); break;
        case Command::CompactView: compactView()->open(); break;
        case Command::Print: print_->print(); break;
        case Command::EditMainFile: editor_->open(DataFileKind::Main); break;
        case Command::EditUserFile: editor_->open(DataFileKind::User); break;
        case Command::CloseEditor: editor_->close(); break;
        case Command::SaveEditor: editor_->save(); break;
        case Command::Font: chooseEditorFont(); break;
        case Command::Options: options_->open(); break;
        case Command::Calculator: calculator_->run(); break;
        case Command::HomePage: links_->openHomePage(); break;
        case Command::Feedback: links_->sendFeedback(); break;
        case Command::About: showAbout(); break;
        case Command::Help: contextHelp_->showForFocus(); break;
        // The page of these commands is their own help number.
        case Command::HelpIndex:
        case Command::Keyboard:
        case Command::Constants: help_->openHelp(commandInfo(command).helpContext); break;
        // Toggles and exclusive choices are connected by their own signals,
        // the topic entries by their slots.
        case Command::Magnifier:
        case Command::Preview:
        case Command::InfoPanel:
        case Command::ColourMarking:
        case Command::AlwaysOnTop:
        case Command::LevelAll:
        case Command::Level1:
        case Command::Level2:
        case Command::Level3:
        case Command::PreviewFirstUnit:
        case Command::PreviewEnteredUnit:
        case Command::FormatSingle:
        case Command::FormatDouble:
        case Command::FormatScientific:
        case Command::FormatFixed:
        case Command::NavigatorIconView:
        case Command::NavigatorListView:
        case Command::ShowTopicList:
        case Command::ShowUserTopicList:
        case Command::ShowUnitList:
        case Command::OpenTopic: break;
        // Not built yet.
        case Command::OpenFile:
        case Command::ExtendedCopy:
        case Command::WhatsThis: break;
    }
}

void MainWindow::onPanelClicked(StatusPanel panel)
{
    switch (panel) {
        case StatusPanel::TopicCount:
            showConversionPanel();
            showTopicList();
            break;
        case StatusPanel::UnitCount:
            showConversionPanel();
            showUnitList();
            break;
        case StatusPanel::Level: popup(Menu::Level, QCursor::pos()); break;
        case StatusPanel::NavigatorList:
        case StatusPanel::TopicUnits:
        case StatusPanel::Precision: break;
    }
}

void MainWindow::connectView()
{
    connect(view_, &ConversionView::showInfoLine, this, &MainWindow::showInfoLine);
    connect(view_, &ConversionView::titleChanged, title_, &QLabel::setText);
    connect(view_, &ConversionView::topicUnitsChanged, commands_->panel(StatusPanel::TopicUnits), &QLabel::setText);
    connect(view_, &ConversionView::filled, this, [this] {
        enableTopicCommands();
        refreshInfoPanel();
        recording_->topicFilled();
    });
    connect(view_, &ConversionView::valuesConverted, recording_, &RecordingCommands::recordValues);
    connect(view_, &ConversionView::hideAvailabilityChanged, this, [this](bool available) {
        commands_->action(Command::RowsHideUnmarked)->setEnabled(available);
        commands_->action(Command::HideUnmarkedRows)->setEnabled(available);
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
    connect(view_, &ConversionView::unitsHidden, this, [this] {
        navigator_->setUnits([this] { return unitListEntries(*catalogue_); });
        navigator_->searchPanel()->refreshResults();
    });

    ConversionGrid* g = grid();
    connect(g, &ConversionGrid::rightPressed, this, [this](int, int column, const QPoint& pos) {
        if (currentSlot_ < 1) return;
        popup(column == ConversionGrid::kValueColumn ? Menu::AsView : Menu::Table, pos);
    });
    connect(g, &ConversionGrid::editorRightPressed, this, [this](const QPoint& pos) { popup(Menu::Edit, pos); });
    connect(g, &ConversionGrid::editorTextChanged, this, [this](const QString& text) {
        if (!magnifierOn_) return;
        magnifier_->setMagnifiedText(grid()->nameText(grid()->currentRow()) + QStringLiteral("\r\n") + text,
                                     kTypingPointSize);
    });
    // "Další jednotky" stands in the corner while rows are hidden above the top row.
    connect(g, &ConversionGrid::scrolled, this, [this] { panel_->marker()->setVisible(grid()->topRow() > 0); });
    connect(panel_, &ConversionPanel::rightPressed, this, [this](const QPoint& pos) { popup(Menu::Go, pos); });
    connect(infoLine(), &InfoLineLabel::rightReleased, this,
            [this](const QPoint& pos) { popup(Menu::PreviewTarget, pos); });
    connect(panel_->marker(), &QToolButton::clicked, this, [this] {
        ConversionGrid* g = grid();
        g->setCurrentCell(std::max(0, g->currentRow() - 1), ConversionGrid::kValueColumn);
        g->setTopRow(std::max(0, g->topRow() - 1));
        g->setFocus();
        if (g->topRow() == 0) panel_->marker()->hide();
    });
    connect(splitter_, &SplitterBar::dragFinished, this,
            [this](int left) { setNavigatorWidth(pixelsToTwips(left, logicalDpiX()) + layout::kSplitterWidth); });
}

void MainWindow::popup(Menu menu, const QPoint& globalPos)
{
    commands_->menu(menu)->popup(globalPos);
}

// ---- catalogue ----

void MainWindow::reloadData()
{
    showReport(reloadCatalogue(*catalogue_, dataConfig_), *messages_);
    navigator_->setUnits([this] { return unitListEntries(*catalogue_); });
    navigator_->searchPanel()->refreshResults();
    updateCounters();
    // A save in the data file editor reloads too; the caret stays where the user is.
    if (currentSlot_ > 0 && !editor_->isEditing()) view_->fillGrid(currentSlot_);
}

void MainWindow::fillNavigator()
{
    QStringList titles;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) titles << catalogue_->title(slot);
    navigator_->setTopics(titles);
    QList<std::pair<int, QString>> user;
    for (int n : catalogue_->usedUserTopics()) user.append({kBuiltinTopicCount + n, catalogue_->title(kBuiltinTopicCount + n)});
    navigator_->setUserTopics(user);
    navigator_->setUnits([this] { return unitListEntries(*catalogue_); });
    updateCounters();
}

void MainWindow::updateCounters()
{
    commands_->panel(StatusPanel::TopicCount)->setText(topicCounterText(*catalogue_));
    commands_->panel(StatusPanel::UnitCount)->setText(unitCounterText(*catalogue_));
}

void MainWindow::setLevel(int level)
{
    if (level < 0 || level > 3) return;
    showLevel(level);
    dataConfig_.level = UnitLevel(level);
    reloadData();
    grid()->setFocus();
}

void MainWindow::showLevel(int level)
{
    if (QAction* chosen = commands_->choice(Group::Level, level)) chosen->setChecked(true);
    QLabel* panel = commands_->panel(StatusPanel::Level);
    panel->setText(level == 0 ? QStringLiteral("V") : QString::number(level));
    panel->setToolTip(level == 0 ? QStringLiteral("Úroveň Vše") : QStringLiteral("Úroveň ") + QString::number(level));
}

// ---- display formats ----

void MainWindow::setPrecisionMode(int mode)
{
    mode = std::clamp(mode, 0, 3);
    DisplayFormat format = view_->format();
    format.mode = precisionModeFromIndex(mode);
    view_->setFormat(format);
    QAction* chosen = commands_->choice(Group::PrecisionMode, mode);
    chosen->setChecked(true);
    QLabel* panel = commands_->panel(StatusPanel::Precision);
    panel->setText(precisionCode(format.mode));
    panel->setToolTip(withoutAccessKey(chosen->text()));
    refreshMagnifier();
}

// ---- topic navigation ----

void MainWindow::openCurrentTopic()
{
    if (currentSlot_ < 1) return;
    fillTopic(currentSlot_);
    showConversionPanel();
    updateBackForward();
}

void MainWindow::updateBackForward()
{
    const BackForward state = backForwardState(currentSlot_, navigator_->userSlots());
    commands_->action(Command::PreviousTopic)->setEnabled(state.back);
    commands_->action(Command::NextTopic)->setEnabled(state.forward);
}

void MainWindow::showConversionPanel()
{
    if (conversionShown_) return;
    conversionShown_ = true;
    relayout();
}

void MainWindow::openTopic(int slot) { showTopic(slot, true); }

void MainWindow::showTopic(int slot, bool revealInNavigator)
{
    if (slot < 1 || slot > kBuiltinTopicCount) return;
    showConversionPanel();
    currentSlot_ = slot;
    selectInNavigator(slot, revealInNavigator);
    fillTopic(slot);
    updateBackForward();
}

// The navigator agrees with the table: the open topic is selected in its
// list, and with reveal that list's tab is shown (the search stays open).
void MainWindow::selectInNavigator(int slot, bool reveal)
{
    navigator_->selectTopic(slot, reveal);
    markShownList(navigator_->shownPage());
}

void MainWindow::stepTopic(Step step)
{
    const int slot = steppedTopic(currentSlot_, step, navigator_->userSlots());
    if (slot < 1) return;  // nothing is open and there is nothing before it
    currentSlot_ = slot;
    selectInNavigator(slot, true);
    openCurrentTopic();
}

// ---- navigator and unit search ----

void MainWindow::connectNavigator()
{
    using Page = NavigatorPanel::Page;
    navigator_->searchPanel()->setCatalogue(catalogue_.get());
    connect(navigator_, &NavigatorPanel::topicActivated, this, [this](int slot) {
        // Enter on an empty list opens the current topic, or topic 1 from the start screen.
        if (slot > 0) currentSlot_ = slot;
        else if (currentSlot_ < 1) currentSlot_ = 1;
        navigator_->selectTopic(currentSlot_, false);  // the list shows which topic is open
        openCurrentTopic();
    });
    connect(navigator_, &NavigatorPanel::unitActivated, this, &MainWindow::showUnit);
    connect(navigator_, &NavigatorPanel::topicRenamed, this, &MainWindow::onTopicRenamed);
    connect(navigator_, &NavigatorPanel::viewMenuRequested, this, [this](const QPoint& pos) {
        QMenu* menu = commands_->menu(Menu::NavigatorView);
        menu->popup(pos - QPoint(menu->sizeHint().width() / 2, 0));  // centred on the pointer
    });
    // A tab chosen by the user: the list's selected quantity becomes the
    // current topic (not opened); the unit list leaves the topic as it is.
    connect(navigator_, &NavigatorPanel::pageChosen, this, [this](Page page) {
        showNavigatorList(page);
        const int slot = page == Page::Units ? 0 : navigator_->selectedSlot(page);
        if (slot < 1) return;
        currentSlot_ = slot;
        updateBackForward();
    });
}

void MainWindow::showTopicList() { showNavigatorList(NavigatorPanel::Page::Topics); }
void MainWindow::showUnitList() { showNavigatorList(NavigatorPanel::Page::Units); }
void MainWindow::showUserTopicList() { showNavigatorList(NavigatorPanel::Page::User); }

// Before the window is on screen (start-up) the focus, the selection and
// the conversion panel are left alone.
void MainWindow::showNavigatorList(NavigatorPanel::Page page)
{
    const bool onScreen = isVisible();
    if (onScreen && page != NavigatorPanel::Page::Topics) showConversionPanel();
    if (view_->slot() < 1 && !editor_->isEditing()) title_->setText(NavigatorPanel::selectionTitle(page));
    navigator_->showPage(page, onScreen && isEnabled());
    markShownList(page);
}

void MainWindow::markShownList(NavigatorPanel::Page page)
{
    if (QAction* shown = commands_->choice(Group::NavigatorList, int(page))) shown->setChecked(true);
    commands_->panel(StatusPanel::NavigatorList)->setText(NavigatorPanel::panelText(page));
}

void MainWindow::setLargeIcons(bool large)
{
    navigator_->setLargeIcons(large);
    commands_->choice(Group::NavigatorView, large ? 0 : 1)->setChecked(true);
}

void MainWindow::showUnit(const QString& tag)
{
    int slot = 0;
    int row = 0;
    if (!parseUnitTag(tag, &slot, &row) || slot < 1) return;
    currentSlot_ = slot;
    // From the search the quantity's own tab comes forward; from the unit list the user stays there.
    selectInNavigator(slot, navigator_->searchShown() || navigator_->shownPage() != NavigatorPanel::Page::Units);
    openCurrentTopic();
    ConversionGrid* g = grid();
    if (row < 1 || row > g->rowCount()) return;
    g->setCurrentCell(row - 1, ConversionGrid::kValueColumn);
    g->setTopRow(row - 1);
    // "Další jednotky": there are units above the top row.
    panel_->marker()->setVisible(g->topRow() > 0);
}

void MainWindow::showSearch() { navigator_->showSearch(); }

void MainWindow::onTopicRenamed(int slot, const QString& title)
{
    catalogue_->setTitle(slot, title);
    if (QAction* entry = commands_->topicAction(slot)) {
        QString caption = title;
        entry->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));  // a "&" is shown, not an access key
    }
    if (view_->slot() == slot && !editor_->isEditing()) {
        title_->setText(QLatin1Char(' ') + title +
                        (catalogue_->isHidden(slot) ? QStringLiteral(" (skryto)") : QString()));
    }
}

// ---- panels ----

void MainWindow::setPreviewShown(bool shown)
{
    QAction* preview = commands_->action(Command::Preview);
    if (preview->isChecked() != shown) {
        preview->setChecked(shown);  // reports back here
        return;
    }
    infoLine()->setVisible(shown);
    // Shown again: the line speaks of the current row.
    if (!shown) return;
    if (const std::optional<QString> line = view_->model()->previewLine(grid()->currentRow()))
        showInfoLine(*line, false, Qt::black);
}

void MainWindow::setMagnifierShown(bool wanted)
{
    QAction* magnifier = commands_->action(Command::Magnifier);
    // The magnifier shows rows of an open topic; without one it stays off.
    const bool on = wanted && conversionShown_;
    if (magnifier->isChecked() != on) {
        magnifier->setChecked(on);  // reports back here
        return;
    }
    if (on == magnifierOn_) return;
    magnifierOn_ = on;
    relayout();
    refreshMagnifier();
}

void MainWindow::setInfoPanelShown(bool shown)
{
    QAction* info = commands_->action(Command::InfoPanel);
    if (info->isChecked() != shown) {
        info->setChecked(shown);  // reports back here
        return;
    }
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
    if (!commands_->action(Command::InfoPanel)->isChecked()) return;
    QString text = view_->infoPanelText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    infoPanel_->setPlainText(text);
}

void MainWindow::showInfoLine(const QString& text, bool important, const QColor& colour)
{
    // A hidden line keeps its text, so that it is current when it is shown again.
    infoLine()->setInfo(text, colour);
    if (important && !infoLine()->isVisibleTo(panel_)) messages_->show(MessageIcon::Information, appTitle(), text);
    const ConversionGrid* g = grid();
    const bool cellHasText = g->currentRow() >= 0 && !g->valueText(g->currentRow()).isEmpty();
    commands_->action(Command::AsRemembered)->setEnabled(cellHasText && !infoLine()->fullText().isEmpty());
}

void MainWindow::enableTopicCommands()
{
    for (Command command : {Command::Preview, Command::Magnifier, Command::InfoPanel, Command::PrefixView})
        commands_->action(command)->setEnabled(true);
    for (Menu menu : {Menu::Rows, Menu::AsView}) commands_->menu(menu)->menuAction()->setEnabled(true);
}

// ---- layout ----

int MainWindow::navigatorWidthForWholeTitles() const
{
    return pixelsToTwips(navigator_->widthForWholeTitles(), logicalDpiX()) + layout::kSplitterWidth;
}

// The status panels keep the room of their longest text, so that none is cut
// at the window's least width and none moves when a text changes.
int MainWindow::statusPanelsWidth()
{
    const auto fit = [this](StatusPanel which, const QStringList& texts) {
        QLabel* panel = commands_->panel(which);
        const QString shown = panel->text();
        int widest = 0;
        for (const QString& text : texts) {
            panel->setText(text);
            widest = std::max(widest, panel->sizeHint().width());
        }
        panel->setText(shown);
        panel->setMinimumWidth(widest);
    };
    using Page = NavigatorPanel::Page;
    fit(StatusPanel::NavigatorList, {NavigatorPanel::panelText(Page::Topics), NavigatorPanel::panelText(Page::Units),
                                     NavigatorPanel::panelText(Page::User)});
    fit(StatusPanel::TopicCount, {QStringLiteral("Témat: 26+20")});
    fit(StatusPanel::UnitCount, {QStringLiteral("Jednotek v aplikaci: 9999")});
    fit(StatusPanel::TopicUnits, {QStringLiteral("V tématu: 1/") + QString::number(kMaxRows)});
    return commands_->statusBar()->sizeHint().width();
}

void MainWindow::setNavigatorWidth(int twips)
{
    navigatorWidth_ = twips;
    relayout();
}

void MainWindow::relayout()
{
    if (!client_) return;
    const double dpi = logicalDpiX();
    // At its narrowest the navigator still shows a list beside its tabs.
    navigatorWidth_ = clampNavigatorWidth(navigatorWidth_, pixelsToTwips(width(), dpi),
                                          pixelsToTwips(navigator_->leastUsableWidth(), dpi) + layout::kSplitterWidth);
    MainLayoutInput input;
    input.clientWidth = pixelsToTwips(client_->width(), dpi);
    input.clientHeight = pixelsToTwips(client_->height(), dpi);
    input.navigatorWidth = navigatorWidth_;
    input.magnifierOn = magnifierOn_;
    input.infoPanelOn = commands_->action(Command::InfoPanel)->isChecked();
    layout_ = computeMainLayout(input);

    magnifier_->setVisible(layout_.magnifierVisible);
    magnifier_->setGeometry(toPixels(layout_.magnifier, dpi));
    navigator_->setGeometry(toPixels(layout_.navigator, dpi));
    splitter_->setGeometry(toPixels(layout_.splitter, dpi));
    title_->setGeometry(toPixels(layout_.title, dpi));
    panel_->setGeometry(toPixels(layout_.conversionPanel, dpi));
    const bool editing = editor_ && editor_->isEditing();
    panel_->setVisible(conversionShown_ && !editing);
    if (editor_) editor_->setGeometry(toPixels(layout_.conversionPanel, dpi));
    startHint_->setGeometry(toPixels(layout_.conversionPanel, dpi));
    startHint_->setVisible(!conversionShown_ && !editing);
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
        popup(Menu::Go, client_->mapToGlobal(panel_->geometry().topLeft()));
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
        showInfoLine(text, important, colour);
    };
    representation.magnify = [this](const QString& text) {
        if (magnifierOn_) magnifier_->setMagnifiedText(text, kMagnifierPointSize);
    };
    representations_ = new RepresentationCommands(std::move(representation), this);

    const ClipboardCommands::Surfaces surfaces{commands_->action(Command::Copy), commands_->action(Command::Paste)};
    clipboardCommands_ = std::make_unique<ClipboardCommands>(grid(), view_, *clipboard, locale_, surfaces);
    ClipboardCommands* update = clipboardCommands_.get();
    connect(view_, &ConversionView::filled, update, &ClipboardCommands::updateEnabled);
    connect(view_, &ConversionView::currentRowChanged, update, &ClipboardCommands::updateEnabled);
    connect(view_, &ConversionView::converted, update, &ClipboardCommands::updateEnabled);
    connect(view_, &ConversionView::commitFailed, update, &ClipboardCommands::updateEnabled);

    PrefixViewCommand::Target prefixes;
    prefixes.catalogue = catalogue_.get();
    prefixes.grid = grid();
    prefixes.title = title_;
    prefixes.clipboard = clipboard;
    prefixes.messages = messages_;
    prefixes.locale = locale_;
    prefixes.openTopic = [this](int slot) { openTopic(slot); };
    prefixView_ = new PrefixViewCommand(std::move(prefixes), this);
    connect(prefixView_, &PrefixViewCommand::shown, this, [this] {
        // "Jako" stays pressed from the first prefix view on.
        QAction* jako = commands_->action(Command::AsRemembered);
        jako->setCheckable(true);
        jako->setChecked(true);
        clipboardCommands_->updateEnabled();
        refreshMagnifier();
        refreshInfoPanel();
    });
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        showMinimized();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- help ----

// F1 finds the help number of the focused control or its nearest ancestor;
// the window's parts that take the focus carry the number of their page.
void MainWindow::buildHelp(HelpOpener* help)
{
    if (!help) {
        ownHelp_ = std::make_unique<HelpWindowOpener>(this);
        help = ownHelp_.get();
    }
    help_ = help;
    contextHelp_ = new ContextHelp(*help_, this);
    ContextHelp::setHelpContext(this, helpcontext::kMainWindow);
    ContextHelp::setHelpContext(grid(), helpcontext::kConversionTable);
    ContextHelp::setHelpContext(navigator_, helpcontext::kNavigator);
    ContextHelp::setHelpContext(navigator_->searchPanel(), helpcontext::kUnitSearch);
    ContextHelp::setHelpContext(magnifier_, helpcontext::kMagnifier);
    ContextHelp::setHelpContext(infoPanel_, helpcontext::kInfoPanel);
    ContextHelp::setHelpContext(infoLine(), helpcontext::kPreview);
    ContextHelp::setHelpContext(title_, helpcontext::kTopicNavigation);
}

// ---- data file editor ----

void MainWindow::buildDataFileEditor(EditorDialogs* dialogs)
{
    if (!dialogs) {
        ownEditorDialogs_ = std::make_unique<QtEditorDialogs>();
        dialogs = ownEditorDialogs_.get();
    }
    DataFileEditor::Window window;
    window.commands = commands_;
    window.title = title_;
    window.messages = messages_;
    window.files = &dataConfig_;
    window.dialogs = dialogs;
    window.currentTopic = [this] { return currentSlot_; };
    window.reload = [this] { reloadData(); };
    window.modeChanged = [this](bool editing) {
        clipboardCommands_->setDataEditorShown(editing);
        if (editing) {
            recording_->stop();
            if (compact_) compact_->closeView();
        }
        relayout();
    };
    window.returnToTopic = [this](int slot) { returnFromEditor(slot); };
    window.copyPath = [this](const QString& fileName) { return editedCopyPath(fileName, dataFolders_); };
    window.fileMoved = [this](DataFileKind file, const QString& path) { useDataFile(file, path); };
    editor_ = new DataFileEditor(std::move(window), client_);
    editor_->setFont(editorFont(SettingsRecord()));
    // While a data file is edited, printing prints its text.
    print_->setEditorText([this] { return editor_->isEditing() ? editor_->textEdit() : nullptr; });
    ContextHelp::setHelpContext(editor_->textEdit(), commandInfo(Command::EditMainFile).helpContext);
}

void MainWindow::setEditorFont(const EditorFont& font) { editor_->setFont(font); }

// The data file is read from another place from now on (an edited copy):
// the settings keep the path that is actually used.
void MainWindow::useDataFile(DataFileKind file, const QString& path)
{
    const bool main = file == DataFileKind::Main;
    (main ? dataConfig_.mainPath : dataConfig_.userPath) = path;
    SettingsRecord& settings = lifecycle_->settings();
    (main ? settings.mainFilePath : settings.userFilePath) = path;
    lifecycle_->store().writeText(section::general(), main ? QStringLiteral("Path") : QStringLiteral("PathUser"), path);
    lifecycle_->reportFailedWrite(QStringLiteral("Cesta ke kopii datového souboru nebyla uložena."));
}

// While the data file editor is shown, opening a topic moves its caret to the
// topic's lines instead of filling the hidden grid.
void MainWindow::fillTopic(int slot)
{
    if (editor_->isEditing()) editor_->showTopic(slot);
    else view_->fillGrid(slot);
}

// The topic open before editing, or the start screen when there was none or
// the saved files left it without units.
void MainWindow::returnFromEditor(int slot)
{
    if (slot >= 1 && slot <= kLastSlot && catalogue_->count(slot) > 0) {
        currentSlot_ = slot;
        navigator_->selectTopic(slot);
        openCurrentTopic();
        return;
    }
    currentSlot_ = 0;
    conversionShown_ = false;
    title_->setText(QLatin1Char(' ') + welcomeTitle());
    relayout();
    updateBackForward();
    navigator_->topicList()->setFocus();
}

void MainWindow::chooseEditorFont()
{
    const std::optional<EditorFont> font = editor_->chooseFont();
    if (!font) return;
    saveEditorFont(lifecycle_->store(), lifecycle_->settings(), *font, locale_);
    lifecycle_->reportFailedWrite(QStringLiteral("Písmo editoru nebylo uloženo."));
}

// ---- outside services ----

void MainWindow::buildServices(UrlOpener* urls, ProcessLauncher* programs)
{
    if (!urls) {
        ownUrls_ = std::make_unique<DesktopUrlOpener>();
        urls = ownUrls_.get();
    }
    if (!programs) {
        ownPrograms_ = std::make_unique<SystemProcessLauncher>();
        programs = ownPrograms_.get();
    }
    links_ = std::make_unique<LinkCommands>(*urls, *messages_);
    // Without a table on screen, the information line would keep the message to itself.
    const auto report = [this](const QString& text) {
        if (panel_->isVisible()) showInfoLine(text, true, QColor(255, 0, 0));
        else messages_->show(MessageIcon::Exclamation, appTitle(), text);
    };
    calculator_ = std::make_unique<CalculatorCommand>(*commands_->action(Command::Calculator), *programs, report);
}

// A running recording ends first; the box is modal to the window without
// holding up the caller.
void MainWindow::showAbout()
{
    recording_->stop();
    if (!about_) {
        about_ = new AboutDialog(this);
        about_->setWindowModality(Qt::WindowModal);
        connect(about_, &AboutDialog::homePageClicked, this, [this] { links_->openHomePage(); });
        connect(about_, &AboutDialog::mailClicked, this, [this] { links_->mailAuthor(); });
    }
    lifecycle_->settings().conversionCount = conversions_;
    about_->setStatistics(
        statisticsDisplay(lifecycle_->store(), lifecycle_->settings(), lifecycle_->clock(), locale_));
    about_->open();
}

}  // namespace tolvarin
