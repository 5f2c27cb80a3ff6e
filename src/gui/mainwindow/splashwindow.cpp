#include "mainwindow/splashwindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace tolvarin {

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), label_(new QLabel(this))
{
    setObjectName(QStringLiteral("splash"));
    label_->setObjectName(QStringLiteral("splashText"));
    label_->setAlignment(Qt::AlignCenter);
    QFont font = label_->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    label_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addWidget(label_);
    setAutoFillBackground(true);
}

void SplashWindow::showText(const QString& text)
{
    label_->setText(text);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
    show();
    QApplication::processEvents();  // let it paint before the work goes on
}

}  // namespace tolvarin
