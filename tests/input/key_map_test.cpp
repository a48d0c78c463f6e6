// Key numbers, the bindings kept in the settings and the button hints.
#include "input/key_map.h"

#include <gtest/gtest.h>

namespace zx {
namespace {

TEST(KeyMap, KeyNumbersGiveTheirCodesAndNames) {
    KeyMap km;
    const std::pair<int, std::uint16_t> codes[] = {{1, '0'}, {10, '9'}, {11, 'A'}, {36, 'Z'},
                                                   {37, 38}, {38, 40},  {39, 37},  {40, 39},
                                                   {41, 18}, {42, 17},  {43, 16},  {44, 32}};
    for (auto [index, vk] : codes) EXPECT_EQ(virtualKeyOfIndex(index), vk) << index;
    EXPECT_EQ(km.keyName(2), "'1'");
    EXPECT_EQ(km.keyName(36), "'Z'");
    EXPECT_EQ(km.keyName(38), "'down arrow' key");
    EXPECT_EQ(km.keyName(44), "'spacebar'");
    EXPECT_EQ(km.keyName(45), "");
}

TEST(KeyMap, AssignWordLeavesTheCodeAloneForAnUnknownKeyNumber) {
    KeyBindingTable t{};
    AssignWord(t, 6, {44, 0});
    EXPECT_EQ(t[5].VirtualKey, 32);
    AssignWord(t, 6, {0, 0});
    AssignWord(t, 6, {45, 0});
    EXPECT_EQ(t[5].VirtualKey, 32);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(t[std::size_t(i)].VirtualKey, 0);
}

// Records every write, to check exactly what the first start leaves behind.
struct LoggingStore final : SettingsStore {
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

TEST(KeyMap, FirstStartWritesTheSevenDefaultsAndTheHintsNameThem) {
    LoggingStore store;
    KeyMap km;
    km.load(store);
    const std::vector<std::pair<std::string, std::string>> written = {
        {"Key1", "2"},  {"Key2", "3"},  {"Key3", "4"}, {"Key4", "39"},
        {"Key5", "40"}, {"Key6", "42"}, {"Key7", "41"}};
    EXPECT_EQ(store.writes, written);
    int told = 0;
    km.setOnHintsChanged([&] { ++told; });
    km.UpdateButtonHints();
    EXPECT_EQ(told, 1);
    const std::pair<Ctl, const char*> hints[kHintCount] = {
        {Ctl::btn_game_a_top, "click or press '1' to start game A"},
        {Ctl::btn_game_b_top, "click or press '2' to start game B"},
        {Ctl::btn_time_top, "click or press '3' to switch mode"},
        {Ctl::btn_set_top, "button disabled"},
        {Ctl::btn_left_top, "click or press 'left arrow' key"},
        {Ctl::btn_right_top, "click or press 'right arrow' key"},
        {Ctl::btn_shoot_left_top, "click or press 'ctrl' key"},
        {Ctl::btn_shoot_right_top, "click or press 'alt' key"}};
    for (int i = 0; i < kHintCount; ++i) {
        EXPECT_EQ(km.hints()[std::size_t(i)].image, hints[i].first);
        EXPECT_EQ(km.hint(hints[i].first), hints[i].second);
    }
    EXPECT_EQ(km.hint(Ctl::btn_time_down), "");
}

TEST(KeyMap, StoredValuesWinAndUnknownKeyNumbersBindNothing) {
    MemorySettingsStore store;
    store.writeText("Key6", "44");
    store.writeText("Key3", "abc");  // not a number: the default
    store.writeText("Key1", "99");   // no such key: kept, bound to nothing
    KeyMap km;
    km.load(store);
    km.UpdateButtonHints();
    EXPECT_EQ(km.KeyBindings[5].VirtualKey, 32);
    EXPECT_EQ(km.hint(Ctl::btn_shoot_left_top), "click or press 'spacebar'");
    EXPECT_EQ(*store.readText("Key3"), "4");
    EXPECT_EQ(*store.readText("Key1"), "99");
    EXPECT_EQ(km.KeyBindings[0].VirtualKey, 0);
    EXPECT_EQ(km.hint(Ctl::btn_game_a_top), "click to start game A");
}

}  // namespace
}  // namespace zx
