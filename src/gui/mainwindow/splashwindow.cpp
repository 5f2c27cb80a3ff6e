#include "mainwindow/splashwindow.h"

#include "common/apptitle.h"
#include "mainwindow/appicon.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>

namespace tolvarin {

SplashWindow::SplashWindow()
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), label_(new QLabel(this)), version_(new QLabel(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);  // an edge of its own: no window frame surrounds it
    setObjectName(QStringLiteral("splash"));
    setWindowIcon(programIcon());
    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    auto* name = new QLabel(appTitle(), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    name->setFont(big);
    version_->setObjectName(QStringLiteral("splashVersion"));
    version_->setText(QStringLiteral("Převod fyzikálních jednotek, verze ") + appVersion());
    label_->setObjectName(QStringLiteral("splashText"));
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 20, 32, 20);
    layout->setHorizontalSpacing(20);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version_, 1, 1);
    layout->addWidget(label_, 2, 1);
    layout->setRowMinimumHeight(2, label_->fontMetrics().height() * 2);
    setAutoFillBackground(true);
}

void SplashWindow::showText(const QString& text)
{
    label_->setText(text);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    QApplication::processEvents();  // let it paint before the work goes on
}

}  // namespace tolvarin
