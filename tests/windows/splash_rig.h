// Recording stand-ins for the splash window's collaborators, sharing one call log.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "config/settings_store.h"
#include "windows/dialogs.h"
#include "windows/shell.h"
#include "windows/splash.h"
#include "windows/splash_art.h"

namespace zx::test {

using Log = std::vector<std::string>;

struct LoggingStore final : SettingsStore {
    explicit LoggingStore(Log& log) : log(log) {}
    std::optional<std::string> readText(const std::string& n) const override {
        return mem.readText(n);
    }
    void writeText(const std::string& n, const std::string& text) override {
        log.push_back(n + "=" + text);
        mem.writeText(n, text);
    }
    Log& log;
    MemorySettingsStore mem;
};

struct RecordingHost final : SplashHost, Dialogs, Shell {
    explicit RecordingHost(Log& log) : log(log) {}
    bool Snd_Init(int mode) override {
        log.push_back("Snd_Init " + std::to_string(mode));
        return soundWorks;
    }
    void setSplashScreenTick(bool on) override { log.push_back(on ? "tick on" : "tick off"); }
    void centreOnScreen() override { log.push_back("centre"); }
    void enterStartupMode() override { log.push_back("startup"); }
    void terminate() override { log.push_back("terminate"); }
    void showError(const QString& text) override { log.push_back("error: " + text.toStdString()); }
    void open(const QString& target) override { opened << target; }
    Log& log;
    bool soundWorks = true;
    QStringList opened;
};

class SplashTest : public ::testing::Test, public QObject {
  protected:
    void SetUp() override {
        QDir::setCurrent(dir.path());  // no pictures here: the stand-ins are drawn
        qApp->installEventFilter(this);
    }
    void TearDown() override {
        form.reset();
        qApp->removeEventFilter(this);
    }
    // Counts every showing of a splash window.
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && qobject_cast<TSplashForm*>(o)) ++shows;
        return false;
    }
    TSplashForm& create() {
        form = std::make_unique<TSplashForm>(host, store, host, host, splashPending);
        return *form;
    }
    // Creates the window, gives it the focus and starts a fresh log.
    TSplashForm& createActive() {
        create();
        log.clear();
        form->activateWindow();
        form->FormActivate();
        return *form;
    }
    // A key press as the platform delivers it: to the control with the focus.
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, quint32 scanCode = 0) {
        QKeyEvent e(QEvent::KeyPress, key, mods, scanCode, 0, 0);
        QApplication::sendEvent(form->focusWidget() ? form->focusWidget() : form.get(), &e);
    }
    void pick(int index) { form->soundList()->setCurrentIndex(index); }

    QTemporaryDir dir;
    Log log;
    LoggingStore store{log};
    RecordingHost host{log};
    bool splashPending = true;
    int shows = 0;
    std::unique_ptr<TSplashForm> form;
};

}  // namespace zx::test
