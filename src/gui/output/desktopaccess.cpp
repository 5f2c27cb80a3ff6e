#include "output/desktopaccess.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace tolvarin {

namespace {

constexpr int kStartWaitMs = 5000;
constexpr int kEndWaitMs = 2000;

class ProcessProgram : public StartedProgram {
public:
    ProcessProgram()
    {
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.setStandardInputFile(QProcess::nullDevice());
    }
    // A program still open when we end is asked to close, then made to.
    ~ProcessProgram() override
    {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(kEndWaitMs)) process_.kill();
        process_.waitForFinished(kEndWaitMs);
    }

    bool start(const QString& path, QString* error)
    {
        process_.setProgram(path);
        process_.start();
        if (process_.waitForStarted(kStartWaitMs)) return true;
        if (error) *error = process_.errorString();
        return false;
    }

    bool isRunning() const override { return process_.state() != QProcess::NotRunning; }

private:
    QProcess process_;
};

}  // namespace

bool DesktopUrlOpener::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString SystemProcessLauncher::findProgram(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

std::unique_ptr<StartedProgram> SystemProcessLauncher::start(const QString& path, QString* error)
{
    auto program = std::make_unique<ProcessProgram>();
    if (!program->start(path, error)) return nullptr;
    return program;
}

}  // namespace tolvarin
