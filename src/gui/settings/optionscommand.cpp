#include "settings/optionscommand.h"

#include "catalogue/topictable.h"
#include "common/apptitle.h"
#include "conversion/conversionview.h"
#include "conversion/displayformat.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/lifecycle.h"
#include "mainwindow/mainwindow.h"
#include "navigation/navigatorpanel.h"
#include "settings/colourvalue.h"
#include "settings/optionsdialog.h"
#include "settings/statistics.h"
#include "settings/windowsettings.h"

#include <QAction>
#include <QApplication>

namespace tolvarin {

OptionsCommand::OptionsCommand(MainWindow& window, MessageSink& messages, const QLocale& locale,
                               OptionsDialogServices* services, QObject* parent)
    : QObject(parent), window_(window), messages_(messages), locale_(locale)
{
    if (!services) {
        ownServices_ = std::make_unique<DesktopOptionsServices>();
        services = ownServices_.get();
    }
    services_ = services;
}

OptionsDialog* OptionsCommand::dialog()
{
    if (!dialog_) {
        dialog_ = new OptionsDialog(messages_, *services_, locale_, &window_);
        connect(dialog_, &OptionsDialog::resetStatisticsRequested, this, &OptionsCommand::resetUsage);
    }
    return dialog_;
}

OptionsCommand::~OptionsCommand() = default;

void OptionsCommand::open()
{
    dialog()->setStartTopics(window_.builtinTopicTitles());
    run(windowValues());
}

void OptionsCommand::openForSetup()
{
    QStringList titles;
    for (int n = 1; n <= kBuiltinTopicCount; ++n) titles << storedBuiltinTitle(window_.lifecycle().store(), n);
    dialog()->setStartTopics(titles);
    run(optionsFromSettings(window_.lifecycle().settings()));
}

// What the window shows of the settings that its own commands change.
OptionsValues OptionsCommand::windowValues() const
{
    OptionsValues v = optionsFromSettings(window_.lifecycle().settings());
    const CommandSurfaces& commands = *window_.commands();
    const auto checked = [&commands](Command command) { return commands.action(command)->isChecked(); };
    v.previewShown = checked(Command::Preview);
    v.magnifierShown = checked(Command::Magnifier);
    v.infoPanelShown = checked(Command::InfoPanel);
    v.alwaysOnTop = checked(Command::AlwaysOnTop);
    v.rowMarking = checked(Command::ColourMarking);
    v.precisionMode = int(window_.conversion()->format().mode);
    v.largeIcons = window_.navigator()->largeIcons();
    v.unitsShown = window_.navigator()->shownPage() == NavigatorPanel::Page::Units;
    v.level = -1;
    for (int level = 0; level <= 3; ++level)
        if (commands.choice(Group::Level, level)->isChecked()) v.level = level;
    return v;
}

void OptionsCommand::run(const OptionsValues& opened)
{
    dialog()->setValues(opened);
    showStatistics();
    dialog_->setResult(QDialog::Rejected);
    services_->runModal(*dialog_);
    if (dialog_->result() != QDialog::Accepted) return;
    const OptionsValues chosen = dialog_->values();
    const OptionsOutcome outcome = acceptOptions(window_.lifecycle().settings(), opened, chosen);
    if (!outcome.refused) apply(outcome, chosen);
}

void OptionsCommand::showStatistics()
{
    Lifecycle& lifecycle = window_.lifecycle();
    lifecycle.settings().conversionCount = window_.conversionCount();
    dialog()->setStatistics(statisticsDisplay(lifecycle.store(), lifecycle.settings(), lifecycle.clock(), locale_));
}

// "Vymazat": written at once, whatever the dialog's end.
void OptionsCommand::resetUsage()
{
    Lifecycle& lifecycle = window_.lifecycle();
    resetStatistics(lifecycle.store(), lifecycle.settings(), lifecycle.runClock());
    window_.setConversionCount(0);
    lifecycle.reportFailedWrite(QString());
    showStatistics();
}

void OptionsCommand::apply(const OptionsOutcome& outcome, const OptionsValues& chosen)
{
    const SettingsRecord& s = outcome.settings;
    for (OptionsEffect effect : outcome.effects) {
        switch (effect) {
            case OptionsEffect::GridLines: window_.setGridLines(gridLinesShown(s.gridLines)); break;
            case OptionsEffect::RepresentationSettings:
                window_.representationSettings() = {s.ownBase, s.ownBasePlaces, s.fractionSensitivity};
                window_.setCommandCaption(Command::AsOwnBase, ownBaseCaption(s.ownBase));
                break;
            case OptionsEffect::FixedFormat: {
                DisplayFormat format = window_.conversion()->format();
                format.fixedPattern = s.fixedPattern;
                window_.conversion()->setFormat(format);
                window_.setCommandCaption(Command::FormatFixed, fixedModeCaption(s.fixedDecimalsText));
                break;
            }
            case OptionsEffect::Preview: window_.setPreviewShown(s.previewShown); break;
            case OptionsEffect::Magnifier: window_.setMagnifierShown(s.magnifierShown); break;
            case OptionsEffect::InfoPanel: window_.setInfoPanelShown(s.infoPanelShown); break;
            case OptionsEffect::AlwaysOnTop: window_.setCommandChecked(Command::AlwaysOnTop, s.alwaysOnTop); break;
            case OptionsEffect::PrecisionMode: window_.setPrecisionMode(s.precisionMode); break;
            case OptionsEffect::TopicListStyle: window_.setLargeIcons(s.topicListStyle == QLatin1String("Ikony")); break;
            case OptionsEffect::NavigatorPage:
                if (s.navigatorPage == QLatin1String("Jednotky")) window_.showUnitList();
                else window_.showTopicList();
                break;
            case OptionsEffect::Colouring:
                window_.conversion()->setColouring(s.colourEnteredCell == 1,
                                                   colourFromStored(s.enteredCellColour, QApplication::palette()));
                break;
            case OptionsEffect::RowMarking:
                window_.setCommandChecked(Command::ColourMarking, chosen.rowMarking);
                break;
        }
    }

    Lifecycle& lifecycle = window_.lifecycle();
    lifecycle.settings() = s;
    saveOptions(lifecycle.store(), s);
    lifecycle.reportFailedWrite(QString());
}

}  // namespace tolvarin
