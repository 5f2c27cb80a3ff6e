#pragma once

#include "catalogue/datafilelocation.h"

#include "common/messagesink.h"
#include "settings/settingsrecord.h"
#include "settings/settingsstore.h"
#include "settings/statistics.h"

#include <QLocale>
#include <QLockFile>
#include <QStringList>

#include <memory>

namespace tolvarin {

class MainWindow;
class SplashWindow;

// Start-up and shutdown of the main window: the settings, the splash, the
// word "SETUP", the single instance, the data files, the placement, the start
// topic and level; and the quit routine that writes the placement, the
// navigator's names and the statistics.
class Lifecycle {
public:
    struct Options {
        QString settingsFile;  // empty: the user's store
        QString lockFile;      // empty: one per user in the temporary folder
        DataFolders dataFolders;
        QLocale locale;
        bool showSplash = true;
    };

    Lifecycle(MainWindow& window, MessageSink& messages, Options options);
    ~Lifecycle();

    // Runs start-up; false when the program is to end at once.
    bool startUp(const QStringList& arguments);
    // The quit routine; true when the program ends (the close may proceed).
    bool quitRoutine();
    // Writes the store out now; a failure is shown with the file, the reason
    // and what was not kept. True when it was written.
    bool reportFailedWrite(const QString& lost);
    bool quitting() const { return quitting_; }
    // The main window has closed: the splash goes too.
    void finish();

    SettingsRecord& settings() { return settings_; }
    SettingsStore& store() { return *store_; }
    const RunClock& clock() const { return clock_; }
    RunClock& runClock() { return clock_; }  // the statistics reset starts the run again

private:
    // False when another instance holds the lock.
    bool takeInstanceLock();
    // "Ukončit program?" when safe exit is set; true when the program is to end.
    bool askToEnd();
    // A start that is not to become the running program (setup, a second
    // instance) ends, when the user agrees, without writing anything.
    bool endWithoutWriting();
    void restorePlacement();
    void applyTitles();
    void writeExitState();

    MainWindow& window_;
    MessageSink& messages_;
    Options options_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<QLockFile> instanceLock_;
    std::unique_ptr<SplashWindow> splash_;
    MonotonicRunClock clock_;
    SettingsRecord settings_;
    bool quitting_ = false;
};

}  // namespace tolvarin
