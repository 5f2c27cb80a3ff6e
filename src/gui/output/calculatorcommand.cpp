#include "output/calculatorcommand.h"

#include "output/desktopaccess.h"
#include "output/outsideservices.h"

#include <QAction>

namespace tolvarin {

namespace {

// "gnome-calculator, kcalc, … nebo xcalc"
QString programList()
{
    QStringList names = calculatorPrograms();
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" nebo ") + last;
}

}  // namespace

CalculatorCommand::CalculatorCommand(QAction& action, ProcessLauncher& launcher, Report report)
    : action_(action), launcher_(launcher), report_(std::move(report))
{
}

CalculatorCommand::~CalculatorCommand() = default;

bool CalculatorCommand::isRunning() const
{
    return calculator_ && calculator_->isRunning();
}

void CalculatorCommand::run()
{
    if (isRunning()) return;
    calculator_.reset();
    QString path;
    for (const QString& name : calculatorPrograms()) {
        path = launcher_.findProgram(name);
        if (!path.isEmpty()) break;
    }
    if (path.isEmpty()) {
        refuse(QStringLiteral("Kalkulačka nenalezena! Program ") + programList() +
               QStringLiteral(" musí ležet v systémových složkách (PATH)."));
        return;
    }
    QString error;
    calculator_ = launcher_.start(path, &error);
    if (!calculator_) refuse(QStringLiteral("Kalkulačku ") + path + QStringLiteral(" se nepodařilo spustit: ") + error);
}

void CalculatorCommand::refuse(const QString& text)
{
    action_.setEnabled(false);
    report_(text);
}

}  // namespace tolvarin
