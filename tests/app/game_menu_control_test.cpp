// The in-game menu's button and closing, on a plain widget: each row is a run
// of clicks and closes from a fresh window, and where the menu ends up.
#include "app/game_menu_control.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <string>

#include "config/settings_store.h"
#include "clockwork/clock.h"
#include "clockwork/random.h"
#include "device/device.h"
#include "sound/recording_backend.h"

namespace zx {
namespace {

TEST(GameMenuControlTest, ClicksAndClosesLeaveTheMenuAndItsBackgroundInStep) {
    struct Row {
        const char* steps;  // c: the button clicked, x: closeGameMenu
        bool open;
    };
    const Row rows[] = {
        {"", false},   {"c", true},    {"cc", false}, {"x", false},
        {"cx", false}, {"cxx", false}, {"cxc", true}, {"ccc", true},
    };
    for (const Row& row : rows) {
        MemorySettingsStore settings;
        FixedClock clock;
        SeededRandom random{1};
        RecordingSoundBackend sound;
        Device device(clock, random, sound, settings);
        QWidget window;
        std::string ran;
        GameMenuControl menus(device, window, [&](MenuCommand) { ran += "run"; });
        for (const char* s = row.steps; *s; ++s) {
            if (*s == 'c')
                menus.btn_game_menu_topClick();
            else
                menus.closeGameMenu();
        }
        const Rect r = device.face()[Ctl::btn_game_menu_background].rect;
        EXPECT_EQ(menus.isOpen(), row.open) << row.steps;
        EXPECT_EQ(menus.gameMenu().hasLabels(), row.open) << row.steps;
        EXPECT_EQ(r.w, row.open ? kGameMenuOpenWidth : kGameMenuClosedWidth) << row.steps;
        EXPECT_EQ(r.h, row.open ? kGameMenuOpenHeight : kGameMenuClosedHeight) << row.steps;
        EXPECT_EQ(r.x, 0) << row.steps;
        EXPECT_EQ(r.y, 0) << row.steps;
        EXPECT_TRUE(ran.empty()) << "no command runs without a row's release";
    }
}

}  // namespace
}  // namespace zx
