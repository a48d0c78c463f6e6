// Keys, focus, links and closing of the splash window.
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QTest>

#include "tests/windows/splash_rig.h"

namespace zx::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// X11 key codes of the digit-row 1 and the keypad 1.
constexpr quint32 kScanDigit1 = 10;
constexpr quint32 kScanKeypad1 = 87;

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers mods;
    quint32 scan;
    bool launches;
};

const KeyCase kKeys[] = {
    {"Return", Qt::Key_Return, Qt::NoModifier, 36, true},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 104, true},
    {"1", Qt::Key_1, Qt::NoModifier, kScanDigit1, true},
    {"Shift+1", Qt::Key_Exclam, Qt::ShiftModifier, kScanDigit1, true},
    {"1 without a native code", Qt::Key_1, Qt::NoModifier, 0, true},
    {"keypad 1", Qt::Key_1, Qt::KeypadModifier, kScanKeypad1, false},
    {"2", Qt::Key_2, Qt::NoModifier, 11, false},
};

TEST_F(SplashTest, LaunchKeysWorkWhileTheDriverListHasTheFocus) {
    for (const KeyCase& k : kKeys) {
        SCOPED_TRACE(k.name);
        store.mem = MemorySettingsStore();
        createActive();
        pick(2);
        form->soundList()->setFocus();
        ASSERT_EQ(form->focusWidget(), form->soundList());
        press(k.key, k.mods, k.scan);
        EXPECT_EQ(form->launched(), k.launches);
        EXPECT_EQ(std::count(log.begin(), log.end(), "Snd_Init 2"), k.launches ? 1 : 0);
    }
}

TEST_F(SplashTest, EscapeEndsTheProgramAndWritesNothing) {
    store.mem.writeText("SoundMode", "0");
    createActive();
    form->splashBox()->setChecked(false);
    press(Qt::Key_Escape);
    EXPECT_THAT(log, ElementsAre("terminate"));  // handled once, not again by the window
    EXPECT_EQ(store.readText("SoundMode"), "0");
    EXPECT_FALSE(store.readText("SplashScreen"));
}

TEST_F(SplashTest, KeysWorkWhileTheDriverListIsOpen) {
    const struct {
        int key;
        quint32 scan;
        const char* expected;  // what reaches the host
    } cases[] = {
        {Qt::Key_1, kScanDigit1, "Snd_Init 2"},
        {Qt::Key_Return, 36, "Snd_Init 2"},
        {Qt::Key_Escape, 9, "terminate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        store.mem = MemorySettingsStore();
        createActive();
        pick(2);
        form->soundList()->showPopup();
        QWidget* list = form->soundList()->view();
        ASSERT_TRUE(list->isVisible());
        QKeyEvent e(QEvent::KeyPress, c.key, Qt::NoModifier, c.scan, 0, 0);
        QApplication::sendEvent(list, &e);
        EXPECT_EQ(std::count(log.begin(), log.end(), c.expected), 1);
        EXPECT_FALSE(list->isVisible());
    }
}

TEST_F(SplashTest, ActivationFocusesTheDriverList) {
    create();
    form->splashBox()->setFocus();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->FormActivate();
    EXPECT_EQ(form->focusWidget(), form->soundList());
}

TEST_F(SplashTest, LinksOpenTheMakersPagesThroughTheShell) {
    createActive();
    QTest::mouseClick(form->websiteLink(), Qt::LeftButton);
    QTest::mouseClick(form->emailLink(), Qt::LeftButton);
    QTest::mouseClick(form->donateButton(), Qt::LeftButton);
    EXPECT_EQ(host.opened,
              QStringList({"https://www.example.org/zorbanix/", "mailto:zorbanix@example.org",
                           "https://www.example.org/zorbanix/donate"}));
    EXPECT_THAT(log, IsEmpty());  // links neither launch nor write
}

TEST_F(SplashTest, ClickingThePlayPictureLaunchesOnlyWhenBlue) {
    createActive();
    QTest::mouseClick(form->playButtonDisabled(), Qt::LeftButton);
    EXPECT_FALSE(form->launched());
    pick(1);
    QTest::mouseClick(form->playButton(), Qt::RightButton);
    EXPECT_FALSE(form->launched());
    QTest::mouseClick(form->playButton(), Qt::LeftButton);
    EXPECT_TRUE(form->launched());
}

TEST_F(SplashTest, ClosingTheWindowBeforeTheLaunchEndsTheProgram) {
    createActive();
    form->close();
    EXPECT_THAT(log, ElementsAre("terminate"));

    // Once launched, the window is merely put away.
    createActive();
    pick(2);
    form->btn_playClick();
    log.clear();
    form->close();
    EXPECT_THAT(log, IsEmpty());
}

}  // namespace
}  // namespace zx::test
