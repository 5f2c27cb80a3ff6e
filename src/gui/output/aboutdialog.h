#pragma once

#include "settings/statistics.h"

#include <QDialog>

#include <array>

class QLabel;

namespace tolvarin {

// "O aplikaci Tolvarin": the logo, the name and version of this build, what
// the program does, how much it has been used, the home page and the
// author's address. A click on either address opens it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    void setStatistics(const StatisticsTexts& texts);

    QLabel* homePageLabel() const { return homePage_; }
    QLabel* mailLabel() const { return mail_; }

signals:
    void homePageClicked();
    void mailClicked();

private:
    QLabel* homePage_ = nullptr;
    QLabel* mail_ = nullptr;
    std::array<QLabel*, 4> statistics_{};
};

}  // namespace tolvarin
