// The windows that the device window's commands open: the about box, the
// manual viewer and the key settings dialog. The device window only asks for
// them; how each one is shown (centred, modeless, the device window disabled
// while the key settings are open) is the window's own business.
#pragma once

namespace zx {

class AuxWindows {
  public:
    virtual ~AuxWindows() = default;
    virtual void openAbout() = 0;
    virtual void openManual() = 0;
    virtual void openKeySettings() = 0;
};

}  // namespace zx
