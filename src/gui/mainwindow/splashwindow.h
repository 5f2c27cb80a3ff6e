#pragma once

#include <QLabel>
#include <QWidget>

namespace tolvarin {

// A small frameless window with one line while the program starts
// ("Nahrává se Tolvarin") and while it ends ("Tolvarin ukončení").
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    SplashWindow();

    void showText(const QString& text);
    QString text() const { return label_->text(); }

private:
    QLabel* label_;
};

}  // namespace tolvarin
