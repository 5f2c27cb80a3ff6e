#include "output/printdialog.h"

#include "output/contexthelp.h"
#include "output/helptopics.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tolvarin {

namespace {

constexpr int kSmallestPointSize = 8;
constexpr int kLargestPointSize = 14;
constexpr int kFirstPointSize = 9;

// A one-line label that takes the width its layout gives it and shortens its
// text to fit; the tooltip holds the whole text.
class ShortenedLabel : public QLabel {
public:
    using QLabel::QLabel;
    void setFullText(const QString& text)
    {
        full_ = text;
        setToolTip(text);
        refit();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        refit();
    }

private:
    void refit()
    {
        const QFontMetrics metrics = fontMetrics();
        setText(shortenedLabel(full_, contentsRect().width(),
                               [&metrics](const QString& text) { return metrics.horizontalAdvance(text); }));
    }

    QString full_;
};

void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QGroupBox* groupBox(const QString& title, const QString& toolTip = {})
{
    auto* box = new QGroupBox(title);
    box->setToolTip(toolTip);
    return box;
}

}  // namespace

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("printDialog"));
    setWindowTitle(QStringLiteral("Tisk"));
    ContextHelp::setHelpContext(this, helpcontext::kPrinting);

    c_.printer = new QRadioButton(QStringLiteral("Tiskárna"));
    c_.file = new QRadioButton(QStringLiteral("Soubor"));
    c_.printer->setChecked(true);
    QGroupBox* deviceBox = groupBox(QStringLiteral("Výstup"), QStringLiteral("Výstupní zařízení"));
    auto* deviceLayout = new QVBoxLayout(deviceBox);
    deviceLayout->addWidget(c_.printer);
    deviceLayout->addWidget(c_.file);

    c_.what = groupBox(QString(), QStringLiteral("Obsah výstupu"));
    auto* whatLayout = new QVBoxLayout(c_.what);
    const char* kindCaptions[] = {"Aktuální hodnota", "Aktuální řádek", "Náhled", "Tabulka", "Obsah souboru"};
    for (size_t i = 0; i < c_.kinds.size(); ++i) {
        c_.kinds[i] = new QRadioButton(QString::fromUtf8(kindCaptions[i]), c_.what);
        whatLayout->addWidget(c_.kinds[i]);
    }
    keepPlaceWhenHidden(c_.kinds.back());  // the frame keeps its height for the file
    whatLayout->addStretch();
    setKind(OutputKind::CurrentRow);

    c_.fontBox = groupBox(QStringLiteral("Velikost písma"));
    c_.fontSize = new QSlider(Qt::Horizontal);
    c_.fontSize->setRange(kSmallestPointSize, kLargestPointSize);
    c_.fontSize->setValue(kFirstPointSize);
    c_.fontSize->setTickPosition(QSlider::TicksBelow);
    c_.fontSize->setTickInterval(1);
    c_.fontSize->setToolTip(QStringLiteral("Velikost písma v bodech"));
    c_.fontSizeValue = new QLabel(QString::number(kFirstPointSize));
    auto* fontLayout = new QHBoxLayout(c_.fontBox);
    fontLayout->addWidget(c_.fontSize, 1);
    fontLayout->addWidget(c_.fontSizeValue);
    fontLayout->addWidget(new QLabel(QStringLiteral("bodů")));
    connect(c_.fontSize, &QSlider::valueChanged, c_.fontSizeValue,
            [this](int points) { c_.fontSizeValue->setText(QString::number(points)); });

    c_.fileBox = groupBox(QStringLiteral("Výstupní soubor"));
    c_.deleteFile = new QCheckBox(QStringLiteral("Mazat výstupní soubor"));
    c_.separate = new QCheckBox(QStringLiteral("Při tisku výstup oddělit"));
    auto* fileLayout = new QVBoxLayout(c_.fileBox);
    fileLayout->addWidget(c_.deleteFile);
    fileLayout->addWidget(c_.separate);

    c_.options = new QStackedWidget;
    c_.options->addWidget(c_.fontBox);
    c_.options->addWidget(c_.fileBox);

    auto* target = new ShortenedLabel;
    target->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    c_.target = target;
    c_.fileLength = new QLabel;
    c_.fileLength->setToolTip(QStringLiteral("Délka souboru"));
    keepPlaceWhenHidden(c_.fileLength);  // the dialog keeps its size for the printer

    c_.ok = new QPushButton(QStringLiteral("OK"));
    c_.ok->setDefault(true);
    c_.cancel = new QPushButton(QStringLiteral("Storno"));
    c_.printerSetup = new QPushButton(QStringLiteral("Tiskárna ..."));
    connect(c_.ok, &QPushButton::clicked, this, &PrintDialog::outputRequested);
    connect(c_.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(c_.printerSetup, &QPushButton::clicked, this, &PrintDialog::printerSetupRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(c_.printerSetup);
    buttons->addStretch();
    buttons->addWidget(c_.ok);
    buttons->addWidget(c_.cancel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(deviceBox, 0, 0);
    grid->addWidget(c_.options, 1, 0);
    grid->addWidget(c_.what, 0, 1, 2, 1);
    grid->addWidget(c_.target, 2, 0, 1, 2);
    grid->addWidget(c_.fileLength, 3, 0, 1, 2);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    auto* devices = new QButtonGroup(this);
    devices->addButton(c_.printer);
    devices->addButton(c_.file);
    connect(devices, &QButtonGroup::buttonClicked, this, [this] { showDevice(); });
    showDevice();
}

void PrintDialog::prepare(const OutputFileStatus& file, bool previewShown)
{
    c_.fileLength->setText(outputFileLabel(file));
    c_.kinds[size_t(OutputKind::FileContent)]->setEnabled(file.readable());
    c_.kinds[size_t(OutputKind::Preview)]->setEnabled(previewShown);
    keepKindChoosable();
    c_.ok->setFocus();
}

void PrintDialog::setPrinterName(const QString& name)
{
    printerName_ = name;
    showTarget();
}

void PrintDialog::setFilePath(const QString& path)
{
    filePath_ = path;
    showTarget();
}

PrintDialog::Device PrintDialog::device() const
{
    return c_.file->isChecked() ? Device::File : Device::Printer;
}

void PrintDialog::setDevice(Device device)
{
    (device == Device::File ? c_.file : c_.printer)->setChecked(true);
    showDevice();
}

OutputKind PrintDialog::kind() const
{
    for (size_t i = 0; i < c_.kinds.size(); ++i)
        if (c_.kinds[i]->isChecked()) return OutputKind(i);
    return OutputKind::CurrentRow;
}

void PrintDialog::setKind(OutputKind kind)
{
    c_.kinds[size_t(kind)]->setChecked(true);
}
int PrintDialog::pointSize() const
{
    return c_.fontSize->value();
}
bool PrintDialog::deletesFile() const
{
    return c_.deleteFile->isChecked();
}
bool PrintDialog::separates() const
{
    return c_.separate->isChecked();
}

void PrintDialog::showDevice()
{
    const bool toFile = device() == Device::File;
    c_.options->setCurrentWidget(toFile ? c_.fileBox : c_.fontBox);
    c_.what->setTitle(toFile ? QStringLiteral("Uložit co") : QStringLiteral("Tisknout co"));
    c_.fileLength->setVisible(toFile);
    c_.kinds[size_t(OutputKind::FileContent)]->setHidden(toFile);
    c_.printerSetup->setEnabled(!toFile);
    keepKindChoosable();
    showTarget();
}

void PrintDialog::keepKindChoosable()
{
    const QRadioButton* chosen = c_.kinds[size_t(kind())];
    if (!chosen->isEnabled() || chosen->isHidden()) setKind(OutputKind::CurrentRow);
}

void PrintDialog::showTarget()
{
    static_cast<ShortenedLabel*>(c_.target)->setFullText(device() == Device::File ? outputFilePathLabel(filePath_)
                                                                                  : printerLabel(printerName_));
}

}  // namespace tolvarin
