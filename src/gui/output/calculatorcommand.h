#pragma once

#include <QString>

#include <functional>
#include <memory>

class QAction;

namespace tolvarin {

class ProcessLauncher;
class StartedProgram;

// "Kalkulačka": starts the first calculator of the system that is found and
// keeps it. While it runs, the command starts no second one; once it has
// been closed, the command starts it again. When there is none, or it cannot
// be started, the command reports it and stays off for the rest of the run.
class CalculatorCommand {
public:
    using Report = std::function<void(const QString& text)>;

    CalculatorCommand(QAction& action, ProcessLauncher& launcher, Report report);
    ~CalculatorCommand();

    void run();
    bool isRunning() const;

private:
    void refuse(const QString& text);

    QAction& action_;
    ProcessLauncher& launcher_;
    Report report_;
    std::unique_ptr<StartedProgram> calculator_;
};

}  // namespace tolvarin
