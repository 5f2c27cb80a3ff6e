#pragma once

#include <QFrame>
#include <QLabel>

namespace tolvarin {

// A small frameless window while the program starts ("Nahrává se Tolvarin")
// and while it ends ("Tolvarin ukončení"): the program's icon, its name and
// version, and that one line.
class SplashWindow : public QFrame {
    Q_OBJECT

public:
    SplashWindow();

    void showText(const QString& text);
    QString text() const { return label_->text(); }
    QString versionText() const { return version_->text(); }

private:
    QLabel* label_;
    QLabel* version_;
};

}  // namespace tolvarin
