#pragma once

#include "output/outputfile.h"
#include "output/outputlayout.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;

namespace tolvarin {

// The dialog "Tisk": where the output goes (the printer or the output file),
// what it is, the printer's font size or what happens to the file. It is made
// once and keeps its choices from one opening to the next. A choice that
// cannot be made at the moment ("Obsah souboru" for the file or while the
// file cannot be read, "Náhled" while the short preview is hidden) is never
// left chosen: "Aktuální řádek" takes its place.
class PrintDialog : public QDialog {
    Q_OBJECT

public:
    enum class Device { Printer, File };

    // The controls, for tests.
    struct Controls {
        QRadioButton* printer;
        QRadioButton* file;
        QGroupBox* what;
        std::array<QRadioButton*, 5> kinds;  // by OutputKind
        QStackedWidget* options;             // the font size, or the file's options
        QGroupBox* fontBox;
        QSlider* fontSize;
        QLabel* fontSizeValue;
        QGroupBox* fileBox;
        QCheckBox* deleteFile;
        QCheckBox* separate;
        QLabel* target;      // the printer, or the file's path
        QLabel* fileLength;  // the file's length (file only)
        QPushButton* ok;
        QPushButton* cancel;
        QPushButton* printerSetup;
    };

    explicit PrintDialog(QWidget* parent = nullptr);
    const Controls& controls() const { return c_; }

    // What depends on the moment of opening: the file's label and whether
    // "Obsah souboru" and "Náhled" can be chosen.
    void prepare(const OutputFileStatus& file, bool previewShown);
    void setPrinterName(const QString& name);
    void setFilePath(const QString& path);

    Device device() const;
    void setDevice(Device device);
    OutputKind kind() const;
    void setKind(OutputKind kind);
    int pointSize() const;
    bool deletesFile() const;
    bool separates() const;

signals:
    void outputRequested();        // OK
    void printerSetupRequested();  // "Tiskárna ..."

private:
    void showDevice();
    void keepKindChoosable();
    void showTarget();

    Controls c_{};
    QString printerName_;
    QString filePath_;
};

}  // namespace tolvarin
