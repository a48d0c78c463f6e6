// The key map: display names of the bindable keys, the seven bindings kept in
// the settings, and the hints of the button images built from them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "config/settings_store.h"
#include "display/controls.h"
#include "input/keys_assign.h"

namespace zx {

// KeyIndex of bindings 1..7 when the settings hold none.
inline constexpr std::array<int, kBindingCount> kDefaultKeyIndex = {2, 3, 4, 39, 40, 42, 41};

struct ButtonHint {
    Ctl image;
    std::string text;
};
inline constexpr int kHintCount = 8;

class KeyMap {
  public:
    KeyMap();  // fills KeyNames

    // Reads Key1..Key7, writes each back at once in order and derives its code,
    // so that after the first start all seven values exist.
    void load(SettingsStore& store);

    // Rebuilds the hints from KeyBindings and KeyNames and tells the window.
    void UpdateButtonHints();
    const std::array<ButtonHint, kHintCount>& hints() const { return hints_; }
    // The hint of a button image; empty for an image without one.
    std::string hint(Ctl image) const;

    // Display name of key number 1..44; empty outside that range.
    std::string_view keyName(int keyIndex) const;

    // Called after every UpdateButtonHints, so a window can set its tool tips.
    void setOnHintsChanged(std::function<void()> f) { onHintsChanged_ = std::move(f); }

    KeyBindingTable KeyBindings{};
    std::array<std::string, kKeyCount> KeyNames;  // entry i - 1 names key number i

  private:
    std::array<ButtonHint, kHintCount> hints_;
    std::function<void()> onHintsChanged_;
};

}  // namespace zx
