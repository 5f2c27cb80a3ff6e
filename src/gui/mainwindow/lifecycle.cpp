#include "mainwindow/lifecycle.h"

#include "catalogue/topictable.h"
#include "common/apptitle.h"
#include "common/textutil.h"
#include "conversion/displayformat.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/splashwindow.h"
#include "mainwindow/windowlayout.h"
#include "mainwindow/windowplacement.h"
#include "settings/editorfont.h"
#include "settings/optionscommand.h"
#include "settings/settingsloader.h"
#include "settings/windowsettings.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace tolvarin {

namespace {

// What loading the settings does to the window.
class WindowApplier : public SettingsApplier {
public:
    explicit WindowApplier(MainWindow& window) : window_(window) {}

    void setGridLines(bool shown) override { window_.setGridLines(shown); }
    void setOwnBaseCaption(const QString& caption) override { window_.setCommandCaption(Command::AsOwnBase, caption); }
    void setFixedCaption(const QString& caption) override { window_.setCommandCaption(Command::FormatFixed, caption); }
    void clearPanelMarks() override { window_.clearPanelMarks(); }
    void setPreviewOn() override { window_.setPreviewShown(true); }
    void setMagnifierOn() override { window_.restoreMagnifier(); }
    void setInfoPanelOn() override { window_.setInfoPanelShown(true); }
    void setOnTopMark() override { window_.setCommandChecked(Command::AlwaysOnTop, true); }
    void setPrecisionMode(int mode) override { window_.setPrecisionMode(mode); }
    void setTopicListStyle(int style) override { window_.setLargeIcons(style == 0); }
    void showTopicList() override { window_.showTopicList(); }
    void showUnitList() override { window_.showUnitList(); }
    void setEditorFont(const QString& name, float pointSize, bool bold, bool italic) override
    {
        window_.setEditorFont({name, pointSize, bold, italic});
    }

private:
    MainWindow& window_;
};


// Runs work once, right after the window's first paint, or a second after
// the start when the window is not painted by then (a minimized start).
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> work) : QObject(&window), work_(std::move(work))
    {
        window.installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, [this] { run(); });
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // A zero timer set during the paint fires after it.
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    static constexpr int kLatestMs = 1000;

    void run()
    {
        if (!work_) return;
        const std::function<void()> work = std::move(work_);
        work_ = nullptr;
        deleteLater();
        work();
    }

    std::function<void()> work_;
};

void runAfterFirstPaint(QWidget& window, std::function<void()> work)
{
    new AfterFirstPaint(window, std::move(work));  // owned by the window
}

int windowStateCode(Qt::WindowStates state)
{
    if (state & Qt::WindowMinimized) return 1;
    if (state & Qt::WindowMaximized) return 2;
    return 0;
}

}  // namespace

Lifecycle::Lifecycle(MainWindow& window, MessageSink& messages, Options options)
    : window_(window), messages_(messages), options_(std::move(options))
{
}

Lifecycle::~Lifecycle() = default;

bool Lifecycle::startUp(const QStringList& arguments)
{
    clock_.restart();
    if (options_.showSplash) {
        splash_ = std::make_unique<SplashWindow>();
        splash_->showText(QStringLiteral("Nahrává se Tolvarin"));
    }
    window_.setCursor(Qt::BusyCursor);
    store_ = options_.settingsFile.isEmpty() ? std::make_unique<SettingsStore>()
                                             : std::make_unique<SettingsStore>(options_.settingsFile);

    SettingsLoadContext context{options_.dataFolders, options_.locale, [](int n) { return fixedDecimalsPattern(n); }};
    WindowApplier applier(window_);
    const auto askUser = [this](const SettingProblem& problem) {
        const MessageAnswer answer = messages_.ask(MessageIcon::Critical, loadErrorTitle(), loadErrorText(problem),
                                                   MessageButtons::AbortRetryIgnore, MessageAnswer::Ignore);
        if (answer == MessageAnswer::Retry) return LoadAnswer::Retry;
        if (answer == MessageAnswer::Abort) return LoadAnswer::Abort;
        // The default goes back into the store, so that the next start does
        // not meet the same text again.
        store_->writeText(problem.section, problem.key, problem.defaultText);
        return LoadAnswer::Ignore;
    };
    settings_ = loadSettings(*store_, applier, askUser, context);
    window_.applySettings(settings_);

    // A start that does not become the running program writes nothing: not
    // the placement, not the names, not the statistics.
    if (arguments.join(QLatin1Char(' ')).contains(QLatin1String("SETUP"), Qt::CaseInsensitive)) {
        window_.optionsCommand()->openForSetup();
        messages_.show(MessageIcon::Information, appTitle(), QStringLiteral("Spusťte aplikaci znovu."));
        if (endWithoutWriting()) return false;
    }

    // Only a start that allows one instance needs the answer now; any other
    // takes its lock, which tells later starts that it runs, once the window
    // is painted (the lock file is synced to disk, which takes milliseconds).
    if (settings_.singleInstance == 1 && !takeInstanceLock()) {
        messages_.show(MessageIcon::Information, appTitle(),
                       QStringLiteral("Je nastavena volba Spouštět pouze 1 instanci programu. Aplikace Tolvarin je "
                                      "již spuštěna.\r\n\r\nAplikace bude ukončena."));
        if (endWithoutWriting()) return false;
    }

    countLaunch(*store_, settings_);

    window_.loadData(settings_);
    applyTitles();
    window_.setWindowTitle(appCaption());
    if (splash_) splash_->hide();

    restorePlacement();
    window_.openStartTopic(settings_.startTopic, settings_.unitLevel);
    window_.unsetCursor();
    // The first paint need not wait for the launch count to reach the disk,
    // nor for the lock file (synced to disk, which takes milliseconds).
    runAfterFirstPaint(window_, [this] {
        if (!instanceLock_) takeInstanceLock();
        reportFailedWrite(QString());
    });
    return true;
}

bool Lifecycle::askToEnd()
{
    if (settings_.confirmExit == 0) return true;
    return messages_.ask(MessageIcon::Question, appTitle(), QStringLiteral("Ukončit program?"), MessageButtons::YesNo,
                         MessageAnswer::Yes) == MessageAnswer::Yes;
}

bool Lifecycle::endWithoutWriting()
{
    if (!askToEnd()) return false;
    if (splash_) splash_->hide();
    quitting_ = true;  // a close that follows writes nothing either
    return true;
}

bool Lifecycle::takeInstanceLock()
{
    const QString path = options_.lockFile.isEmpty()
                             ? QDir::temp().filePath(QStringLiteral("tolvarin-%1.lock").arg(QString::fromLocal8Bit(qgetenv("USER"))))
                             : options_.lockFile;
    instanceLock_ = std::make_unique<QLockFile>(path);
    // A lock whose process has died is taken over; a running instance's lock never ages out.
    instanceLock_->setStaleLockTime(0);
    return instanceLock_->tryLock(0);
}

void Lifecycle::applyTitles()
{
    QStringList builtin;
    for (int n = 1; n <= kBuiltinTopicCount; ++n) builtin << storedBuiltinTitle(*store_, n);
    QList<std::pair<int, QString>> user;
    for (int n : window_.catalogue().usedUserTopics())
        user.append({n, storedUserTitle(*store_, n, window_.catalogue().userTitleFromFile(n))});
    window_.setTopicTitles(builtin, user);
}

void Lifecycle::restorePlacement()
{
    const QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    const double dpi = window_.logicalDpiX();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const TwipsRect areaTwips{pixelsToTwips(area.x(), dpi), pixelsToTwips(area.y(), dpi),
                              pixelsToTwips(area.width(), dpi), pixelsToTwips(area.height(), dpi)};
    const WindowPlacement placement = restoredPlacement(*store_, areaTwips, options_.locale);
    placeWindow(window_, placement);
    window_.show();
    if (placement.windowState == 1) window_.showMinimized();
    if (placement.windowState == 2) window_.showMaximized();
    // The navigator is measured once the window is laid out on screen.
    window_.setNavigatorWidth(placement.navigatorWidthFitted ? window_.navigatorWidthForWholeTitles()
                                                             : placement.navigatorWidth);
}

void Lifecycle::writeExitState()
{
    QList<UserTopicTitle> userTitles;
    for (const auto& [number, title] : window_.userTopicTitles()) userTitles.append({number, title});
    saveNavigatorNames(*store_, window_.builtinTopicTitles(), userTitles);

    const double dpi = window_.logicalDpiX();
    WindowPlacement placement;
    placement.windowState = windowStateCode(window_.windowState());
    if (placement.windowState != 0) window_.showNormal();
    placement.left = pixelsToTwips(window_.x(), dpi);
    placement.top = pixelsToTwips(window_.y(), dpi);
    placement.width = pixelsToTwips(window_.width(), dpi);
    placement.height = pixelsToTwips(window_.height(), dpi);
    placement.navigatorWidth = window_.navigatorWidth();
    savePlacement(*store_, placement);
}

bool Lifecycle::reportFailedWrite(const QString& lost)
{
    const std::optional<QString> reason = store_->flush();
    if (reason) messages_.show(MessageIcon::Exclamation, appTitle(), settingsNotSavedText(store_->fileName(), *reason, lost));
    return !reason;
}

bool Lifecycle::quitRoutine()
{
    if (quitting_) return true;
    if (!store_) return true;
    writeExitState();
    settings_.conversionCount = window_.conversionCount();
    if (!askToEnd()) {
        reportFailedWrite(QString());
        return false;
    }
    if (settings_.confirmExit != 0) window_.hide();
    saveStatistics(*store_, settings_, clock_, options_.locale);
    reportFailedWrite(QStringLiteral("Umístění okna, názvy veličin a statistika použití nebyly uloženy."));
    if (settings_.confirmExit != 0 && options_.showSplash) {
        if (!splash_) splash_ = std::make_unique<SplashWindow>();
        splash_->showText(QStringLiteral("Tolvarin ukončení"));
    }
    quitting_ = true;
    return true;
}

void Lifecycle::finish()
{
    if (splash_) splash_->close();
}

}  // namespace tolvarin
