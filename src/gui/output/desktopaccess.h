#pragma once

#include <QString>
#include <QUrl>

#include <memory>

namespace tolvarin {

// Opens a web page or a mail link in the desktop's own program. Tests put
// a recorder in its place.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when the desktop could not open it.
    virtual bool open(const QUrl& url) = 0;
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};

// A program started by the launcher; while the object lives it knows
// whether that program still runs.
class StartedProgram {
public:
    virtual ~StartedProgram() = default;
    virtual bool isRunning() const = 0;
};

// Finds and starts outside programs. Tests start nothing.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // The program's path in the system's folders, empty when it is not there.
    virtual QString findProgram(const QString& name) const = 0;
    // The running program, or null with the reason in *error.
    virtual std::unique_ptr<StartedProgram> start(const QString& path, QString* error) = 0;
};

// Finds programs in PATH and keeps each started one in a QProcess, so that
// it is known by its own process, not by a number the system may reuse.
class SystemProcessLauncher : public ProcessLauncher {
public:
    QString findProgram(const QString& name) const override;
    std::unique_ptr<StartedProgram> start(const QString& path, QString* error) override;
};

}  // namespace tolvarin
