// Recording stand-ins for the splash window's collaborators, sharing one call log.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "config/settings_store.h"
#include "windows/shell.h"
#include "windows/splash.h"
#include "windows/splash_art.h"

namespace zx::test {

using Log = std::vector<std::string>;

struct LoggingStore final : SettingsStore {
    explicit LoggingStore(Log& log) : log(log) {}
    std::optional<std::string> readText(const std::string& name) const override {
        return mem.readText(name);
    }
    void writeText(const std::string& name, const std::string& text) override {
        log.push_back(name + "=" + text);
        mem.writeText(name, text);
    }
    Log& log;
    MemorySettingsStore mem;
};

struct RecordingHost final : SplashHost {
    explicit RecordingHost(Log& log) : log(log) {}
    bool Snd_Init(int mode) override {
        log.push_back("Snd_Init " + std::to_string(mode));
        return soundWorks;
    }
    void setSplashScreenTick(bool on) override { log.push_back(on ? "tick on" : "tick off"); }
    void centreOnScreen() override { log.push_back("centre"); }
    void enterStartupMode() override { log.push_back("startup"); }
    void terminate() override { log.push_back("terminate"); }
    Log& log;
    bool soundWorks = true;
};

struct RecordingDialogs final : Dialogs {
    explicit RecordingDialogs(Log& log) : log(log) {}
    void showError(const QString& text) override { log.push_back("error: " + text.toStdString()); }
    Log& log;
};

struct RecordingShell final : Shell {
    void open(const QString& target) override { opened << target; }
    QStringList opened;
};

// Counts the splash windows that were ever shown.
struct ShowCounter : QObject {
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && qobject_cast<TSplashForm*>(o)) ++shows;
        return false;
    }
    int shows = 0;
};

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Pictures come from the current directory; an empty one gives the stand-ins.
        QDir::setCurrent(dir.path());
        qApp->installEventFilter(&showCounter);
    }
    void TearDown() override {
        form.reset();
        qApp->removeEventFilter(&showCounter);
    }
    TSplashForm& create() {
        form = std::make_unique<TSplashForm>(host, store, dialogs, shell, splashPending);
        return *form;
    }
    // Creates the window, starts from an empty log and gives it the focus.
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
        QWidget* target = form->focusWidget() ? form->focusWidget() : form.get();
        QApplication::sendEvent(target, &e);
    }
    void pick(int index) { form->cb_sound->setCurrentIndex(index); }

    QTemporaryDir dir;
    Log log;
    LoggingStore store{log};
    RecordingHost host{log};
    RecordingDialogs dialogs{log};
    RecordingShell shell;
    bool splashPending = true;
    ShowCounter showCounter;
    std::unique_ptr<TSplashForm> form;
};

}  // namespace zx::test
