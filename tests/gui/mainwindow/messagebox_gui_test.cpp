#include "mainwindow/qtmessagesink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

// The quit question as the user meets it: Qt's own buttons speak Czech.
TEST(MessageBoxes, QuestionButtonsSpeakCzech)
{
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) buttons << button->text().remove(QLatin1Char('&'));
        box->done(QMessageBox::No);
    });
    QtMessageSink sink(nullptr);
    const MessageAnswer answer = sink.ask(MessageIcon::Question, QStringLiteral("Tolvarin"),
                                          QStringLiteral("Ukončit program?"), MessageButtons::YesNo, MessageAnswer::Yes);
    EXPECT_EQ(answer, MessageAnswer::No);
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({QStringLiteral("Ano"), QStringLiteral("Ne")}));
}

}  // namespace
