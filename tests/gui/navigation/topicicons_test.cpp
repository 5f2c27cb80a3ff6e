#include "navigation/topicicons.h"
#include "catalogue/topictable.h"
#include "mainwindow/svgicon.h"

#include <QImage>
#include <cstdlib>
#include <QStringList>

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

// Every key the navigator asks for: the built-in topics and the user topics.
QStringList iconKeys()
{
    QStringList keys;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) keys << topicKey(slot);
    keys << topicKey(kFirstUserSlot);
    return keys;
}

QImage rendered(const QString& key, int size)
{
    return topicIcon(key).pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

struct PixelShares {
    double opaque;  // the tile
    double white;   // the pictogram on it
};

PixelShares pixelShares(const QImage& image)
{
    int opaque = 0;
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128) ++opaque;
            if (c.alpha() > 200 && c.red() > 220 && c.green() > 220 && c.blue() > 220) ++white;
        }
    }
    const double all = double(image.width()) * image.height();
    return {opaque / all, white / all};
}

// Every built-in and user topic has its own icon: a tile with a pictogram, at both sizes.
TEST(TopicIcons, EveryIconShowsATileAndAPictogramAtBothSizesAndDiffers)
{
    const QStringList keys = iconKeys();
    ASSERT_EQ(keys.size(), 27);
    QList<QImage> images;
    for (const QString& key : keys) {
        ASSERT_FALSE(topicIcon(key).isNull()) << key.toStdString();
        for (int size : {16, 32}) {
            const QImage image = rendered(key, size);
            const std::string row = key.toStdString() + " at " + std::to_string(size) + " px";
            ASSERT_EQ(image.size(), QSize(size, size)) << row;
            const PixelShares shares = pixelShares(image);
            EXPECT_GT(shares.opaque, 0.7) << row;
            EXPECT_GT(shares.white, 0.05) << row;
            EXPECT_LT(shares.white, 0.6) << row;
        }
        images << rendered(key, 32);
    }
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << keys[i].toStdString() << " looks like " << keys[j].toStdString();
}

TEST(TopicIcons, KeysWithoutAnIconGetTheUserIcon)
{
    const QImage user = rendered("User", 32);
    const char* const strays[] = {"", "delka", "Neznamy", "../topics/Delka", "Delka.svg", "Dél ka"};
    for (const char* stray : strays) EXPECT_EQ(rendered(QString::fromUtf8(stray), 32), user) << '"' << stray << '"';
    EXPECT_NE(rendered("Delka", 32), user);
}

// Disabled toolbar buttons show the style's grey picture, not the coloured one.
TEST(TopicIcons, DisabledLookIsGreyAndAMissingFileIsNoIcon)
{
    const QIcon icon = topicIcon("Delka");
    const QImage normal = icon.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled =
        icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(disabled.size(), QSize(24, 24));
    int coloured = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const QColor n = normal.pixelColor(x, y);
            const QColor d = disabled.pixelColor(x, y);
            if (n.alpha() > 200 && std::abs(n.red() - n.blue()) > 64) ++coloured;
            if (d.alpha() > 200) {
                EXPECT_LE(std::abs(d.red() - d.blue()), 16) << x << "," << y;
            }
        }
    }
    EXPECT_GT(coloured, 100);
    EXPECT_TRUE(svgIcon(QStringLiteral(":/topics/Chybi.svg")).isNull());
}

}  // namespace
