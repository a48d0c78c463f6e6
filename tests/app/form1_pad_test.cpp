// Game controllers act on the device only while its window is the one in use.
#include "tests/app/form1_rig.h"
#include "tests/rig/virtual_pads.h"

namespace zx {
namespace {

using Form1Pads = MenuRig;

TEST_F(Form1Pads, ControllersPressOnlyWhileTheWindowIsActiveAndEnabled) {
    writeConfig(skin);
    auto form = createActive();
    testing::VirtualPads pads(form->padInput());
    ASSERT_TRUE(pads.plug(1));
    const auto timePressed = [&] { return form->device().face()[Ctl::btn_time_down].visible; };

    pads.button(1, pad::back, true);
    EXPECT_TRUE(timePressed());
    // Another window takes over: what the controller holds is let go, and
    // its presses wait for the device window to come back.
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    EXPECT_FALSE(timePressed());
    pads.button(1, pad::back, false);
    pads.button(1, pad::back, true);
    EXPECT_FALSE(timePressed());
    pads.button(1, pad::back, false);

    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    pads.button(1, pad::back, true);
    EXPECT_TRUE(timePressed());
    // Disabled, as while the key settings are open.
    form->setEnabled(false);
    EXPECT_FALSE(timePressed());
    pads.button(1, pad::back, false);
    pads.button(1, pad::back, true);
    EXPECT_FALSE(timePressed());
    form->setEnabled(true);
    pads.button(1, pad::back, false);
    pads.button(1, pad::back, true);
    EXPECT_TRUE(timePressed());
}

}  // namespace
}  // namespace zx
