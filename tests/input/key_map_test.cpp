// Key numbers, key names, the bindings kept in the settings and the hints.
#include <gtest/gtest.h>

#include "input/key_map.h"

namespace zx {
namespace {

TEST(KeyList, CodesAndNamesOfEveryKeyNumber) {
    KeyMap km;
    EXPECT_EQ(virtualKeyOfIndex(1), '0');
    EXPECT_EQ(virtualKeyOfIndex(10), '9');
    EXPECT_EQ(virtualKeyOfIndex(11), 'A');
    EXPECT_EQ(virtualKeyOfIndex(36), 'Z');
    const std::uint16_t tail[8] = {38, 40, 37, 39, 18, 17, 16, 32};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(virtualKeyOfIndex(37 + i), tail[i]);
    EXPECT_EQ(km.keyName(1), "'0'");
    EXPECT_EQ(km.keyName(2), "'1'");
    EXPECT_EQ(km.keyName(11), "'A'");
    EXPECT_EQ(km.keyName(36), "'Z'");
    EXPECT_EQ(km.keyName(37), "'up arrow' key");
    EXPECT_EQ(km.keyName(41), "'alt' key");
    EXPECT_EQ(km.keyName(42), "'ctrl' key");
    EXPECT_EQ(km.keyName(44), "'spacebar'");
    EXPECT_EQ(km.keyName(0), "");
    EXPECT_EQ(km.keyName(45), "");
}

TEST(AssignWordTest, SetsOnlyTheNamedBindingAndIgnoresUnknownNumbers) {
    KeyBindingTable t{};
    t[5].VirtualKey = 17;
    AssignWord(t, 6, {44, 0});
    EXPECT_EQ(t[5].VirtualKey, 32);
    for (int i = 0; i < kBindingCount; ++i) {
        if (i == 5) continue;
        EXPECT_EQ(t[std::size_t(i)].VirtualKey, 0);
    }
    AssignWord(t, 6, {0, 0});
    EXPECT_EQ(t[5].VirtualKey, 32);
    AssignWord(t, 6, {45, 0});
    EXPECT_EQ(t[5].VirtualKey, 32);
    AssignWord(t, 0, {11, 0});  // no binding 0 or 8: nothing happens
    AssignWord(t, 8, {11, 0});
    EXPECT_EQ(t[0].VirtualKey, 0);
}

// Records every write in order, to check what the first start leaves behind.
class LoggingStore final : public SettingsStore {
public:
    MemorySettingsStore mem;
    std::vector<std::pair<std::string, std::string>> writes;
    std::optional<std::string> readText(const std::string& n) const override {
        return mem.readText(n);
    }
    void writeText(const std::string& n, const std::string& t) override {
        writes.emplace_back(n, t);
        mem.writeText(n, t);
    }
};

TEST(KeyMapLoad, FirstStartWritesTheSevenDefaultsInOrder) {
    LoggingStore store;
    KeyMap km;
    km.load(store);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Key1", "2"},  {"Key2", "3"},  {"Key3", "4"}, {"Key4", "39"},
        {"Key5", "40"}, {"Key6", "42"}, {"Key7", "41"}};
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(store.mem.values().size(), 7u);
    const std::uint16_t codes[7] = {'1', '2', '3', 37, 39, 17, 18};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(km.KeyBindings[std::size_t(i)].VirtualKey, codes[i]);
}

TEST(KeyMapLoad, StoredValuesWinAndBadOnesFallBackOrMatchNothing) {
    MemorySettingsStore store;
    store.writeText("Key1", "44");   // space
    store.writeText("Key3", "abc");  // not a number: default
    store.writeText("Key5", "99");   // no such key: written back, bound to nothing
    KeyMap km;
    km.load(store);
    EXPECT_EQ(km.KeyBindings[0].VirtualKey, 32);
    EXPECT_EQ(km.KeyBindings[2].KeyIndex, 4);
    EXPECT_EQ(*store.readText("Key3"), "4");
    EXPECT_EQ(km.KeyBindings[4].KeyIndex, 99);
    EXPECT_EQ(km.KeyBindings[4].VirtualKey, 0);
    EXPECT_EQ(*store.readText("Key5"), "99");
}

TEST(ButtonHints, DefaultKeysGiveTheExactTexts) {
    MemorySettingsStore store;
    KeyMap km;
    km.load(store);
    int told = 0;
    km.setOnHintsChanged([&] { ++told; });
    km.UpdateButtonHints();
    EXPECT_EQ(told, 1);
    const std::pair<Ctl, const char*> expected[] = {
        {Ctl::btn_game_a_top, "click or press '1' to start game A"},
        {Ctl::btn_game_b_top, "click or press '2' to start game B"},
        {Ctl::btn_time_top, "click or press '3' to switch mode"},
        {Ctl::btn_set_top, "button disabled"},
        {Ctl::btn_left_top, "click or press 'left arrow' key"},
        {Ctl::btn_right_top, "click or press 'right arrow' key"},
        {Ctl::btn_shoot_left_top, "click or press 'ctrl' key"},
        {Ctl::btn_shoot_right_top, "click or press 'alt' key"}};
    for (int i = 0; i < kHintCount; ++i) {
        EXPECT_EQ(km.hints()[std::size_t(i)].image, expected[i].first);
        EXPECT_EQ(km.hints()[std::size_t(i)].text, expected[i].second);
        EXPECT_EQ(km.hint(expected[i].first), expected[i].second);
    }
    EXPECT_EQ(km.hint(Ctl::im_background), "");
    EXPECT_EQ(km.hint(Ctl::btn_time_down), "");
}

TEST(ButtonHints, FollowNewBindingsAndNeverReadPastTheNames) {
    MemorySettingsStore store;
    store.writeText("Key6", "44");
    store.writeText("Key1", "0");
    store.writeText("Key4", "-3");
    KeyMap km;
    km.load(store);
    km.UpdateButtonHints();
    EXPECT_EQ(km.hint(Ctl::btn_shoot_left_top), "click or press 'spacebar'");
    EXPECT_EQ(km.hint(Ctl::btn_game_a_top), "click to start game A");
    EXPECT_EQ(km.hint(Ctl::btn_left_top), "click");
}

}  // namespace
}  // namespace zx
