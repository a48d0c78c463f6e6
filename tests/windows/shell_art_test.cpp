// The shell's target addresses and the splash pictures with their stand-ins.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "windows/shell.h"
#include "windows/splash_art.h"

namespace zx {
namespace {

TEST(ShellTarget, AddressesPassAndFileNamesResolveAgainstTheCurrentFolder) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    EXPECT_EQ(shellTargetUrl("https://www.example.org/zorbanix/"),
              QUrl("https://www.example.org/zorbanix/"));
    EXPECT_EQ(shellTargetUrl("mailto:zorbanix@example.org").scheme(), "mailto");
    EXPECT_EQ(shellTargetUrl("Readme.txt"),
              QUrl::fromLocalFile(QDir(dir.path()).absoluteFilePath("Readme.txt")));
    EXPECT_EQ(shellTargetUrl("/tmp/Config.ini"), QUrl::fromLocalFile("/tmp/Config.ini"));
    EXPECT_TRUE(shellTargetUrl("C:/Games/Readme.txt").isLocalFile());  // a drive, not a scheme
    EXPECT_FALSE(shellTargetUrl("").isValid());
}

TEST(SplashArt, BandsChangeColourAtTheirBoundaryRows) {
    const QImage bands = drawSplashBands();
    ASSERT_EQ(bands.size(), QSize(460, 420));
    const QRgb dark = qRgb(8, 41, 82), mid = qRgb(24, 82, 148), white = qRgb(255, 255, 255);
    const struct {
        int row;
        QRgb colour;
    } rows[] = {
        {0, dark},    {51, dark},   {52, mid},   {219, mid},
        {220, white}, {379, white}, {380, dark}, {419, dark},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(bands.pixel(0, r.row), r.colour) << r.row;
        EXPECT_EQ(bands.pixel(459, r.row), r.colour) << r.row;
    }
}

TEST(SplashArt, InstalledPicturesAreUsedAndMissingOrDamagedOnesDrawn) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QDir().mkpath("Graphics/Windows");
    QImage play(107, 30, QImage::Format_ARGB32);
    play.fill(QColor(1, 2, 3));
    ASSERT_TRUE(play.save("Graphics/Windows/splash_play_blue.png"));
    QFile damaged("Graphics/Windows/splash_donate.png");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x89PNG not really");
    damaged.close();

    EXPECT_EQ(splashPlayPicture(true).pixel(50, 15), qRgb(1, 2, 3));
    EXPECT_NE(splashPlayPicture(false).pixel(50, 15), qRgb(1, 2, 3));
    EXPECT_EQ(splashPlayPicture(false).size(), QSize(107, 30));
    EXPECT_EQ(splashDonatePicture().size(), QSize(107, 30));
    EXPECT_EQ(splashBoxPicture().size(), QSize(200, 116));
    EXPECT_EQ(splashBackground().pixel(10, 100), qRgb(24, 82, 148));
}

}  // namespace
}  // namespace zx
