#pragma once

#include "common/messagesink.h"
#include "settings/optionsvalues.h"

#include <QLocale>
#include <QObject>

#include <memory>

namespace tolvarin {

class MainWindow;
class OptionsDialog;
class OptionsDialogServices;

// The command "Možnosti…" and the start with the word "SETUP": shows the
// options dialog over the main window, and on OK keeps the new settings,
// applies what changed, saves every key and syncs the store. The dialog is
// made once and lives for the run, so it shows the tab last chosen.
class OptionsCommand : public QObject {
    Q_OBJECT

public:
    // services: the choosers and the modal loop; null for the desktop's own.
    OptionsCommand(MainWindow& window, MessageSink& messages, const QLocale& locale,
                   OptionsDialogServices* services, QObject* parent = nullptr);
    ~OptionsCommand() override;

    // The dialog with what the window shows now.
    void open();
    // The dialog before the window is set up: everything as stored, the
    // start topics named as stored.
    void openForSetup();

    // Made at its first use, so that the start does not wait for it.
    OptionsDialog* dialog();

private:
    void run(const OptionsValues& opened);
    OptionsValues windowValues() const;
    void showStatistics();
    void resetUsage();
    // The effects in their order, then the record, the store and its sync.
    void apply(const OptionsOutcome& outcome, const OptionsValues& chosen);

    MainWindow& window_;
    MessageSink& messages_;
    QLocale locale_;
    std::unique_ptr<OptionsDialogServices> ownServices_;
    OptionsDialogServices* services_ = nullptr;
    OptionsDialog* dialog_ = nullptr;
};

}  // namespace tolvarin
