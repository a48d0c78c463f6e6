// Kills the real program at random moments of its settings writes: the file
// must always parse, keep its high scores, and leave no temporary files.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "config/file_settings_store.h"

namespace zx {
namespace {

constexpr int kStarts = 200;
const char* const kKeyDefaults[] = {"2", "3", "4", "39", "40", "42", "41"};

class SettingsKill : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile::copy(ZX_PROGRAM, program.filePath("zorbanix"));
        QFile::setPermissions(program.filePath("zorbanix"), QFileDevice::ReadOwner |
                                                                QFileDevice::WriteOwner |
                                                                QFileDevice::ExeOwner);
        write(program.filePath("Config.ini"), "[Common]\nGameWidth=100\nGameHeight=80\n");
        QDir().mkpath(config.filePath("Orvalle"));
    }
    static void write(const QString& path, const QByteArray& text) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QString conf() const { return config.filePath("Orvalle/Zorbax50.conf"); }
    QByteArray confText() const {
        QFile f(conf());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Every key unreadable, so the start writes all seven back.
    void resetSettings() {
        QByteArray text = "[General]\nFullscreenMode=0\nSplashScreen=0\nSoundMode=2\n";
        for (int n = 1; n <= 7; ++n) text += "Key" + QByteArray::number(n) + "=x\n";
        text += "HiScore1=4321\nHiScore2=1234\n";
        write(conf(), text);
    }
    // Files beside the settings file: temporary and lock files.
    int temporaryFiles() const {
        return int(QDir(config.filePath("Orvalle"))
                       .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)
                       .size()) -
               1;
    }
    void start() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("SDL_AUDIODRIVER", "dummy");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(program.path());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(program.filePath("zorbanix"), {});
        ASSERT_TRUE(process.waitForStarted(5000));
    }
    void kill() {
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished(5000);
    }
    // How many of the seven keys the program has written back.
    int keysWritten(const std::map<std::string, std::string>& values) const {
        int n = 0;
        for (int k = 1; k <= 7; ++k) {
            auto it = values.find("Key" + std::to_string(k));
            if (it != values.end() && it->second == kKeyDefaults[k - 1]) ++n;
        }
        return n;
    }

    QTemporaryDir program, config;
    QProcess process;
};

TEST_F(SettingsKill, KillsDuringWritesLoseNothing) {
    // How long a start takes until its last key is on disk.
    resetSettings();
    QElapsedTimer clock;
    clock.start();
    start();
    while (keysWritten(parseSettingsText(confText().toStdString())) < 7 && clock.elapsed() < 20000)
        QThread::usleep(500);
    const qint64 lastWriteMs = clock.elapsed();
    kill();
    ASSERT_LT(lastWriteMs, 20000) << "the program never wrote its keys";

    std::mt19937 rng(20261208);
    std::uniform_int_distribution<qint64> delay(lastWriteMs / 2, lastWriteMs * 5 / 4);
    int partial = 0;
    for (int i = 0; i < kStarts; ++i) {
        resetSettings();
        start();
        QThread::msleep(unsigned(delay(rng)));
        kill();
        const std::string text = confText().toStdString();
        const auto values = parseSettingsText(text);
        ASSERT_EQ(values.size(), 12u) << "start " << i << ":\n" << text;
        ASSERT_EQ(values.at("HiScore1"), "4321") << text;
        ASSERT_EQ(values.at("HiScore2"), "1234") << text;
        const int written = keysWritten(values);
        for (int k = 1; k <= 7; ++k) {
            const std::string v = values.at("Key" + std::to_string(k));
            ASSERT_TRUE(v == "x" || v == kKeyDefaults[k - 1]) << text;
        }
        partial += written > 0 && written < 7;
        ASSERT_LE(temporaryFiles(), 1) << "start " << i;
    }
    // A clean start removes what a killed one left.
    start();
    clock.restart();
    while (temporaryFiles() > 0 && clock.elapsed() < 10000) QThread::msleep(5);
    kill();
    EXPECT_EQ(temporaryFiles(), 0);
    std::printf("%d starts killed %lld..%lld ms in; %d of them between two key writes\n", kStarts,
                lastWriteMs / 2, lastWriteMs * 5 / 4, partial);
}

}  // namespace
}  // namespace zx
