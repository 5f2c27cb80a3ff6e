#pragma once

#include "common/messagesink.h"
#include "settings/optionsvalues.h"
#include "settings/statistics.h"

#include <QColor>
#include <QDialog>
#include <QLocale>

#include <array>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tolvarin {

// What the options dialog asks of the desktop: the file and colour choosers
// and the modal loop. Tests answer them without showing anything modal.
class OptionsDialogServices {
public:
    virtual ~OptionsDialogServices() = default;
    // "Zvolte soubor s daty programu Tolvarin", starting at the file's
    // current path; nothing on cancel.
    virtual std::optional<QString> chooseDataFile(QWidget* parent, const QString& currentPath) = 0;
    // "Volba barvy"; nothing on cancel.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    // Shows the dialog modally and returns once it is closed.
    virtual void runModal(QDialog& dialog) = 0;
};

// The desktop's own file and colour dialogs and QDialog::exec.
class DesktopOptionsServices : public OptionsDialogServices {
public:
    std::optional<QString> chooseDataFile(QWidget* parent, const QString& currentPath) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    void runModal(QDialog& dialog) override;
};

// "Možnosti": every stored setting on five tabs. It shows the values it is
// given and gives back what the user set; OK closes it only when all four
// number boxes hold numbers of their ranges. Storno, Escape and the close
// button leave everything as it was: the file paths and names the choosers
// changed are the dialog's own until OK. The tab shown last stays for the
// next opening.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    enum Tab { General, Display, Format, AfterStart, Information };

    OptionsDialog(MessageSink& messages, OptionsDialogServices& services, const QLocale& locale,
                  QWidget* parent = nullptr);

    // The names of the 26 built-in topics, after "Úvodní obrazovka".
    void setStartTopics(const QStringList& titles);
    // Fills every control (each opening).
    void setValues(const OptionsValues& values);
    OptionsValues values() const;
    const OptionsValues& openedValues() const { return opened_; }
    void setStatistics(const StatisticsTexts& texts);
    // Storno, Escape and the close button: the controls show the opened
    // values again and nothing is given back.
    void reject() override;

    // The parts a user sees, for tests.
    QTabWidget* tabs() const { return tabs_; }
    QLineEdit* numberBox(NumberBox box) const;
    QLineEdit* pathBox(int file) const { return files_[size_t(file)].path; }  // 0 main, 1 user
    QPushButton* chooseFileButton(int file) const { return files_[size_t(file)].choose; }
    QLabel* sizeLabel(int file) const { return files_[size_t(file)].size; }
    QLabel* timeLabel(int file) const { return files_[size_t(file)].time; }
    QComboBox* precisionBox() const { return precision_; }
    QCheckBox* panelBox(int panel) const { return panels_[size_t(panel)]; }  // preview, magnifier, information
    QCheckBox* colouredBox() const { return coloured_; }
    QPushButton* colourButton() const { return chooseColour_; }
    QComboBox* startTopicBox() const { return startTopic_; }
    QLabel* statisticsLabel(int row) const { return statistics_[size_t(row)]; }  // launches, conversions, total, run
    QPushButton* resetButton() const { return reset_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void resetStatisticsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FileRow {
        QLineEdit* path = nullptr;
        QPushButton* choose = nullptr;
        QLabel* size = nullptr;
        QLabel* time = nullptr;
        QString name;
    };

    QWidget* buildGeneralTab();
    QWidget* buildDisplayTab();
    QWidget* buildFormatTab();
    QWidget* buildAfterStartTab();
    QWidget* buildInformationTab();
    QLineEdit* makeNumberBox(NumberBox box, QWidget* parent);
    void chooseFile(int file);
    void chooseColour();
    void showColour();
    void showFileLabels();
    void updateFixedEnabled();
    void tryAccept();
    // Tells the user the box's range and puts the focus back into it.
    void refuse(NumberBox box);

    MessageSink& messages_;
    OptionsDialogServices& services_;
    QLocale locale_;
    OptionsValues opened_;
    qint32 colour_ = 0;

    QTabWidget* tabs_ = nullptr;
    std::array<FileRow, 2> files_;
    QCheckBox* confirmExit_ = nullptr;
    QButtonGroup* navigatorPage_ = nullptr;  // 0 quantities, 1 units
    QButtonGroup* listStyle_ = nullptr;      // 0 large icons, 1 list
    std::array<QCheckBox*, 3> panels_{};
    QCheckBox* onTop_ = nullptr;
    QButtonGroup* level_ = nullptr;  // 0 all, 1..3
    std::array<QLineEdit*, 4> numbers_{};
    QCheckBox* coloured_ = nullptr;
    QPushButton* chooseColour_ = nullptr;
    QCheckBox* rowMarking_ = nullptr;
    QComboBox* precision_ = nullptr;
    QCheckBox* gridLines_ = nullptr;
    QCheckBox* singleInstance_ = nullptr;
    QComboBox* startTopic_ = nullptr;
    std::array<QLabel*, 4> statistics_{};
    QPushButton* reset_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace tolvarin
