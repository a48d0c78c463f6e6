// The device window on the offscreen platform, built on a small skin in a
// folder of its own, with recording message boxes and sound.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <memory>

#include "app/beeper.h"
#include "app/form1.h"
#include "sound/recording_backend.h"
#include "windows/aux_windows.h"
#include "windows/shell.h"

namespace zx {

struct RecordingDialogs : Dialogs {
    QStringList errors;
    QStringList warnings;
    void showError(const QString& text) override { errors << text; }
    void showWarning(const QString& text) override { warnings << text; }
};

class Form1Rig : public ::testing::Test {
  protected:
    void SetUp() override {
        QImage bg(542, 359, QImage::Format_RGB32);
        bg.fill(QColor(255, 0, 255));
        QPainter p(&bg);
        p.fillRect(20, 20, 500, 319, QColor(40, 60, 80));
        p.end();
        QDir().mkpath(dir.filePath("Graphics/Skin"));
        bg.save(dir.filePath("Graphics/Skin/bg.png"));
        QImage seg(10, 10, QImage::Format_RGB32);
        seg.fill(QColor(0, 200, 0));
        seg.save(dir.filePath("Graphics/Skin/seg.png"));
        QDir::setCurrent(dir.path());
    }
    void writeConfig(const QByteArray& text) {
        QFile f(dir.filePath("Config.ini"));
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    std::unique_ptr<TForm1> create() {
        return std::make_unique<TForm1>(
            Form1Deps{settings, dialogs, clock, random, sound, dir.path()});
    }
    static QSize screen() { return QGuiApplication::primaryScreen()->geometry().size(); }

    QTemporaryDir dir;
    MemorySettingsStore settings;
    RecordingDialogs dialogs;
    FixedClock clock;
    SeededRandom random{1};
    RecordingSoundBackend sound;
    const QByteArray skin =
        "[Image1]\nFilename=bg.png\nWidth=542\nHeight=359\n"
        "[Image58]\nFilename=seg.png\nLeft=100\nTop=100\nWidth=10\nHeight=10\n";
};

// Records every command that leaves the device window.
struct CommandLog : AuxWindows, Shell, Beeper {
    QStringList calls;
    void openAbout() override { calls << "about"; }
    void openManual() override { calls << "manual"; }
    void openKeySettings() override { calls << "keys"; }
    void open(const QString& target) override { calls << "open " + target; }
    void beep() override { calls << "beep"; }
};

// A device window wired to the log, shown and active, so that its shortcuts work.
class MenuRig : public Form1Rig {
  protected:
    std::unique_ptr<TForm1> createActive() {
        auto form = create();
        form->setAuxWindows(&log);
        form->setShell(&log);
        form->setBeeper(&log);
        form->show();
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
        return form;
    }
    CommandLog log;
};

}  // namespace zx
