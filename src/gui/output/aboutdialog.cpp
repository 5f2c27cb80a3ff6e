#include "output/aboutdialog.h"

#include "common/apptitle.h"
#include "mainwindow/appicon.h"
#include "output/contexthelp.h"
#include "output/helptopics.h"
#include "output/outsideservices.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tolvarin {

namespace {

constexpr int kLogoSize = 64;
constexpr double kTitleScale = 2.0;

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// An address shown as a link; the dialog opens it itself.
QLabel* linkLabel(const QString& target, const QString& shown, const QString& toolTip, QWidget* parent)
{
    auto* label =
        new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), shown.toHtmlEscaped()), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setToolTip(toolTip);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("O aplikaci ") + appTitle());
    ContextHelp::setHelpContext(this, helpcontext::kAbout);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(programIcon().pixmap(kLogoSize, kLogoSize));
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* title = plainLabel(appCaption(), this);
    title->setToolTip(appTitle());
    QFont display = title->font();
    display.setPointSizeF(display.pointSizeF() * kTitleScale);
    display.setBold(true);
    title->setFont(display);
    QLabel* subtitle = plainLabel(QStringLiteral("Převod fyzikálních jednotek"), this);
    QLabel* description = plainLabel(QStringLiteral("Aplikace pro převod fyzikálních a jiných jednotek,  na zlomky a "
                                                    "římská čísla. Převod do různých číselných soustav."),
                                     this);
    description->setWordWrap(true);
    QLabel* version = plainLabel(QStringLiteral("Verze ") + fullVersion(), this);

    auto* usage = new QGroupBox(QStringLiteral("Používání aplikace"), this);
    auto* usageGrid = new QGridLayout(usage);
    const char* captions[] = {"Počet spuštění:", "Počet převodů:", "Celková doba spuštění:", "Doba spuštění:"};
    for (int row = 0; row < 4; ++row) {
        usageGrid->addWidget(plainLabel(QString::fromUtf8(captions[row]), usage), row, 0);
        statistics_[size_t(row)] = plainLabel(QString(), usage);
        usageGrid->addWidget(statistics_[size_t(row)], row, 1);
    }
    usageGrid->setColumnStretch(1, 1);

    homePage_ = linkLabel(homePageAddress(), homePageAddress(), QStringLiteral("Domovská stránka"), this);
    mail_ = linkLabel(QStringLiteral("mailto:") + authorMailAddress(), authorMailAddress(),
                      QStringLiteral("Odeslat autorovi e-mail"), this);
    connect(homePage_, &QLabel::linkActivated, this, &AboutDialog::homePageClicked);
    connect(mail_, &QLabel::linkActivated, this, &AboutDialog::mailClicked);
    QLabel* notice = plainLabel(QStringLiteral("Copyright © 2026 Tolvarin developers. Šířeno pod licencí MIT, "
                                               "bez jakékoli záruky."),
                                this);
    notice->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    for (QWidget* part : std::initializer_list<QWidget*>{title, subtitle, description, version, usage})
        text->addWidget(part);
    text->addWidget(homePage_, 0, Qt::AlignLeft);
    text->addWidget(mail_, 0, Qt::AlignLeft);
    text->addWidget(notice);
    auto* columns = new QHBoxLayout;
    columns->addWidget(logo, 0, Qt::AlignTop);
    columns->addSpacing(12);
    columns->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

void AboutDialog::setStatistics(const StatisticsTexts& texts)
{
    const QString shown[] = {texts.launches, texts.conversions, texts.total, texts.run};
    for (size_t i = 0; i < statistics_.size(); ++i) statistics_[i]->setText(shown[i]);
}

}  // namespace tolvarin
