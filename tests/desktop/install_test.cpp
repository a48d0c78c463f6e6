// End to end: the program started from a folder other than its own, as built
// and as installed under a prefix, shows the bundled face.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>

#include "tests/app/xvfb_session.h"

namespace zx::e2e {
namespace {

constexpr int kScreenW = 1024, kScreenH = 768;

// Runs a command to its end; true when it exited with 0.
bool run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(program, args);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The bundled face with every segment lit, as the asset generator composes it.
QImage bundledFace(const QTemporaryDir& dir) {
    const QString file = dir.filePath("face.png");
    run(ZX_ASSETGEN, {dir.filePath("unused"), "--preview", file},
        QProcessEnvironment::systemEnvironment());
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// The share of the face's pixels (magenta surround aside) that the screen shows
// at the centred window's place.
double faceMatch(const QImage& shot, const QImage& face) {
    const int left = (kScreenW - face.width()) / 2, top = (kScreenH - face.height()) / 2;
    int same = 0, total = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QColor f = face.pixelColor(x, y);
            if (f == QColor(255, 0, 255)) continue;
            const QColor s = shot.pixelColor(left + x, top + y);
            ++total;
            same += std::abs(f.red() - s.red()) + std::abs(f.green() - s.green()) +
                        std::abs(f.blue() - s.blue()) <=
                    24;
        }
    return total ? double(same) / total : 0;
}

// Pixels of the missing-picture marker's pure red.
int markerPixels(const QImage& shot) {
    int n = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            n += c.red() >= 245 && c.green() <= 10 && c.blue() <= 10;
        }
    return n;
}

struct StartCase {
    const char* name;
    bool installed;  // installed under a temporary DESTDIR, started by the menu entry's Exec
    bool bytesFolder = false;  // a copy in a folder whose name is not valid UTF-8
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class StartedElsewhere : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartedElsewhere, ShowsTheBundledFace) {
    XvfbSession x(kScreenW, kScreenH);
    if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    QTemporaryDir work;
    const QImage face = bundledFace(work);
    ASSERT_FALSE(face.isNull()) << "the asset generator drew no face";

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString command = ZX_PROGRAM;
    if (GetParam().installed) {
        QProcessEnvironment installEnv = env;
        installEnv.insert("DESTDIR", work.filePath("root"));
        ASSERT_TRUE(run(ZX_CMAKE, {"--install", ZX_BUILD_DIR, "--prefix", "/usr"}, installEnv));
        QSettings entry(work.filePath("root/usr/share/applications/" ZX_APP_ID ".desktop"),
                        QSettings::IniFormat);
        command = entry.value("Desktop Entry/Exec").toString();
        ASSERT_EQ(command, "zorbanix");
        env.insert("PATH", work.filePath("root/usr/bin") + ":" + env.value("PATH"));
    }
    if (GetParam().bytesFolder) {
        // Started through a link with a plain name; the program's real file,
        // which it goes by, lies in the folder with the odd name.
        const std::string folder = QFile::encodeName(work.path()).toStdString() + "/zx\xFF\xFE";
        const std::string built = QFileInfo(ZX_PROGRAM).path().toStdString();
        std::filesystem::copy(built, folder, std::filesystem::copy_options::recursive);
        std::filesystem::create_symlink(folder + "/zorbanix",
                                        work.filePath("zorbanix").toStdString());
        command = work.filePath("zorbanix");
    }
    // Settings that skip the splash: a sound driver is stored and the splash is off.
    QDir().mkpath(work.filePath("config/Orvalle"));
    QFile settings(work.filePath("config/Orvalle/Zorbax50.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nFullscreenMode=0\nSoundMode=2\nSplashScreen=0\n");
    settings.close();
    env.insert("XDG_CONFIG_HOME", work.filePath("config"));
    env.insert("DISPLAY", x.display());
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.remove("QT_QPA_PLATFORM");

    QDir().mkpath(work.filePath("elsewhere"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(work.filePath("elsewhere"));
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start("/bin/sh", {"-c", "exec " + command});
    ASSERT_TRUE(program.waitForStarted(5000));

    QImage shot;
    double match = 0;
    waitUntil(
        [&] {
            shot = x.screenshot().convertToFormat(QImage::Format_RGB32);
            match = shot.isNull() ? 0 : faceMatch(shot, face);
            return match > 0.98;
        },
        20000);
    program.kill();
    program.waitForFinished(3000);
    EXPECT_GT(match, 0.98) << "the screen does not show the bundled face";
    EXPECT_EQ(markerPixels(shot), 0) << "missing-picture markers on the face";
}

INSTANTIATE_TEST_SUITE_P(Install, StartedElsewhere,
                         ::testing::Values(StartCase{"BuiltProgramByItsPath", false},
                                           StartCase{"InstalledByTheMenuEntry", true},
                                           StartCase{"CopiedToAFolderNamedInBytes", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zx::e2e
