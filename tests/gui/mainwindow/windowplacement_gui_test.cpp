// The window restored from a placement that no screen can hold.
#include "common/recordingmessagesink.h"
#include "mainwindow/mainwindow.h"
#include "settings/settingsstore.h"
#include "support/windowfixture.h"

#include <QScreen>

#include <gtest/gtest.h>

#include <utility>

using namespace tolvarin;

TEST(WindowPlacement, HugeOffScreenPlacementOpensOnTheScreen)
{
    test::TestFolder folder;
    folder.writeLines(QStringLiteral("Tolvar.tvd"), {QStringLiteral("1|metr|m|1|i|True")});
    {
        SettingsStore settings(folder.path(QStringLiteral("settings.ini")));
        for (const auto& [key, value] : {std::pair{"Left", "-100000"}, {"Top", "-100000"}, {"Width", "2000000"},
                                         {"Height", "2000000"}})
            settings.writeText(QStringLiteral("Start"), QString::fromLatin1(key), QString::fromLatin1(value));
        settings.flush();
    }
    RecordingMessageSink messages;
    MainWindow window(test::testWindowOptions(folder, QLocale(QLocale::Czech, QLocale::CzechRepublic), &messages));
    ASSERT_TRUE(window.startUp());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.frameGeometry().topLeft())) << window.frameGeometry().x();
    EXPECT_LE(window.width(), screen.width());
    EXPECT_LE(window.height(), screen.height());
}
