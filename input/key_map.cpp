// Building the key map from the settings, and the button hints.
#include "input/key_map.h"

namespace zx {

KeyMap::KeyMap()
    : hints_{{{Ctl::btn_game_a_top, {}},
              {Ctl::btn_game_b_top, {}},
              {Ctl::btn_time_top, {}},
              {Ctl::btn_set_top, {}},
              {Ctl::btn_left_top, {}},
              {Ctl::btn_right_top, {}},
              {Ctl::btn_shoot_left_top, {}},
              {Ctl::btn_shoot_right_top, {}}}} {
    for (int i = 1; i <= 10; ++i) KeyNames[std::size_t(i - 1)] = {'\'', char(i + 47), '\''};
    for (int i = 11; i <= 36; ++i) KeyNames[std::size_t(i - 1)] = {'\'', char(i + 54), '\''};
    static constexpr std::string_view kTail[8] = {
        "'up arrow' key", "'down arrow' key", "'left arrow' key", "'right arrow' key",
        "'alt' key",      "'ctrl' key",       "'shift' key",      "'spacebar'"};
    for (int i = 37; i <= kKeyCount; ++i) KeyNames[std::size_t(i - 1)] = kTail[i - 37];
}

void KeyMap::load(SettingsStore& store) {
    for (int n = 1; n <= kBindingCount; ++n)
        KeyBindings[std::size_t(n - 1)].KeyIndex =
            store.ReadInteger("Key" + std::to_string(n), kDefaultKeyIndex[std::size_t(n - 1)]);
    std::vector<std::pair<std::string, int>> stored;
    for (int n = 1; n <= kBindingCount; ++n) {
        const KeyBinding& b = KeyBindings[std::size_t(n - 1)];
        stored.emplace_back("Key" + std::to_string(n), b.KeyIndex);
        AssignWord(KeyBindings, n, b);
    }
    store.WriteIntegers(stored);
}

std::string_view KeyMap::keyName(int keyIndex) const {
    if (keyIndex < 1 || keyIndex > kKeyCount) return {};
    return KeyNames[std::size_t(keyIndex - 1)];
}

void KeyMap::UpdateButtonHints() {
    // Hint text of each image: the binding it names (0: none) and what follows.
    struct Row {
        int binding;
        std::string_view tail;
    };
    static constexpr Row kRows[kHintCount] = {{1, " to start game A"},
                                              {2, " to start game B"},
                                              {3, " to switch mode"},
                                              {0, {}},
                                              {4, {}},
                                              {5, {}},
                                              {6, {}},
                                              {7, {}}};
    for (int i = 0; i < kHintCount; ++i) {
        const Row& row = kRows[i];
        std::string& text = hints_[std::size_t(i)].text;
        if (row.binding == 0) {
            text = "button disabled";
            continue;
        }
        const std::string_view name = keyName(KeyBindings[std::size_t(row.binding - 1)].KeyIndex);
        // A key number outside the list has no name and no key: offer the click alone.
        text = name.empty() ? "click" : "click or press " + std::string(name);
        text += row.tail;
    }
    if (onHintsChanged_) onHintsChanged_();
}

std::string KeyMap::hint(Ctl image) const {
    for (const ButtonHint& h : hints_)
        if (h.image == image) return h.text;
    return {};
}

}  // namespace zx
