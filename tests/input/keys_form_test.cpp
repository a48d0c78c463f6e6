// The key settings dialog: its controls, duplicate marking, acceptance and
// Escape, also while a list is open.
#include "windows/keys_form.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "config/settings_store.h"
#include "input/key_map.h"
#include "windows/window_style.h"

namespace zx {
namespace {

class KeysFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        keys.load(store);
        keys.UpdateButtonHints();
        form = std::make_unique<TKeysForm>(keys, store, &mainWindow);
        store = MemorySettingsStore();  // only what the dialog writes from here on
        mainWindow.setEnabled(false);   // as the opening leaves it
        form->show();
        form->FormActivate();
    }
    // The label colours, binding 1 to 7: 'W' white, 'R' red.
    std::string colours() const {
        std::string s;
        for (QLabel* la : form->labels)
            s += textColour(la) == qRgb(255, 255, 255) ? 'W'
                 : textColour(la) == qRgb(255, 0, 0)   ? 'R'
                                                       : '?';
        return s;
    }
    void pick(int binding, const QString& text) {
        QComboBox* cb = form->combos[std::size_t(binding - 1)];
        cb->setCurrentIndex(cb->findText(text));
    }
    // A key as the platform delivers it: to the control with the focus.
    void press(int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(form->focusWidget() ? form->focusWidget() : form.get(), &e);
    }

    MemorySettingsStore store;
    KeyMap keys;
    QWidget mainWindow;
    std::unique_ptr<TKeysForm> form;
};

TEST_F(KeysFormTest, ControlsStandAtTheirPlacesWithTheDefaultKeysSelected) {
    TKeysForm& f = *form;
    EXPECT_EQ(f.windowTitle(), "Key settings");
    EXPECT_EQ(f.size(), QSize(448, 195));
    EXPECT_EQ(f.grab().toImage().pixel(440, 190), qRgb(8, 42, 82));
    const struct {
        QWidget* w;
        QRect r;
    } places[] = {
        {f.la_main, {8, 8, 104, 13}},       {f.la_controls, {336, 8, 104, 13}},
        {f.combos[0], {8, 29, 120, 21}},    {f.combos[2], {8, 93, 120, 21}},
        {f.labels[0], {136, 33, 72, 14}},   {f.labels[2], {136, 97, 72, 14}},
        {f.labels[3], {216, 33, 96, 14}},   {f.labels[6], {216, 129, 96, 14}},
        {f.combos[3], {320, 29, 120, 21}},  {f.combos[6], {320, 125, 120, 21}},
        {f.btn_accept, {183, 162, 82, 25}},
    };
    for (const auto& p : places) EXPECT_EQ(p.w->geometry(), p.r) << p.w->geometry().x();
    const QStringList captions = {"Game A", "Game B",       "Time",         "Left",
                                  "Right",  "Shoot (left)", "Shoot (right)"};
    const QStringList selected = {"1",      "2",    "3", "<LEFT ARROW>", "<RIGHT ARROW>",
                                  "<CTRL>", "<ALT>"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(f.labels[std::size_t(i)]->text(), captions[i]);
        EXPECT_EQ(f.combos[std::size_t(i)]->currentText(), selected[i]);
        EXPECT_EQ(f.combos[std::size_t(i)]->count(), 44);
    }
    EXPECT_EQ(f.la_main->text(), "Main operations");
    EXPECT_EQ(f.labels[3]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(f.btn_accept->text(), "- ACCEPT -");
    const QStringList items = keyItemTexts();
    EXPECT_EQ(items.mid(8, 4), QStringList({"8", "9", "A", "B"}));
    EXPECT_EQ(items.mid(35, 3), QStringList({"Z", "<UP ARROW>", "<DOWN ARROW>"}));
    EXPECT_EQ(items.mid(40), QStringList({"<ALT>", "<CTRL>", "<SHIFT>", "<SPACEBAR>"}));
    EXPECT_EQ(colours(), "WWWWWWW");
    EXPECT_TRUE(f.btn_accept->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.combos[0]);
}

TEST_F(KeysFormTest, SharedKeysTurnTheirLabelsRedAndRefuseAcceptance) {
    const struct {
        std::vector<std::pair<int, QString>> picks;
        std::string colours;
    } cases[] = {
        {{{1, "A"}, {3, "A"}}, "RWRWWWW"},
        {{{1, "A"}, {3, "A"}, {7, "A"}}, "RWRWWWR"},
        {{{1, "A"}, {3, "A"}, {3, "3"}}, "WWWWWWW"},
        {{{4, "<CTRL>"}, {5, "<ALT>"}}, "WWWRRRR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colours);
        for (int n = 1; n <= 7; ++n)
            pick(n, keyItemTexts()[kDefaultKeyIndex[std::size_t(n - 1)] - 1]);
        for (const auto& [binding, text] : c.picks) pick(binding, text);
        EXPECT_EQ(colours(), c.colours);
        const bool clash = c.colours.find('R') != std::string::npos;
        EXPECT_EQ(form->btn_accept->isEnabled(), !clash);
        if (!clash) continue;
        press(Qt::Key_Return);
        form->btn_acceptClick();
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(store.values().empty());
        EXPECT_FALSE(mainWindow.isEnabled());
    }
}

TEST_F(KeysFormTest, EnterStoresEveryKeyAndTheSpacebarBecomesCode32WithItsHint) {
    pick(6, "<SPACEBAR>");
    press(Qt::Key_Enter);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    const std::map<std::string, std::string> written = {
        {"Key1", "2"},  {"Key2", "3"},  {"Key3", "4"}, {"Key4", "39"},
        {"Key5", "40"}, {"Key6", "44"}, {"Key7", "41"}};
    EXPECT_EQ(store.values(), written);
    EXPECT_EQ(keys.KeyBindings[5].KeyIndex, 44);
    EXPECT_EQ(keys.KeyBindings[5].VirtualKey, 32);
    EXPECT_EQ(keys.hint(Ctl::btn_shoot_left_top), "click or press 'spacebar'");
}

TEST_F(KeysFormTest, EscapeStoresNothingAndTheNextOpeningShowsTheUnacceptedChoice) {
    pick(1, "A");
    press(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_TRUE(store.values().empty());
    EXPECT_EQ(keys.KeyBindings[0].KeyIndex, 2);
    EXPECT_EQ(keys.KeyBindings[0].VirtualKey, '1');
    EXPECT_EQ(keys.hint(Ctl::btn_game_a_top), "click or press '1' to start game A");

    form->show();
    EXPECT_EQ(form->combos[0]->currentText(), "A");
    form->btn_acceptClick();
    EXPECT_EQ(store.values().at("Key1"), "11");
    EXPECT_EQ(keys.KeyBindings[0].VirtualKey, 'A');
}

// While a combo box's list is open the keyboard is the list's: Escape and
// Enter must still reach the dialog with one press.
TEST_F(KeysFormTest, EnterAndEscapeWorkWhileAListIsOpen) {
    const struct {
        const char* name;
        int key;
        const char* highlighted;  // in game A's list
        const char* shown;        // by game A's box afterwards
        bool stillOpen;           // the dialog
        const char* key1;         // stored for game A; "" for nothing stored
    } cases[] = {
        {"Enter takes the highlighted key and accepts", Qt::Key_Return, "A", "A", false, "11"},
        {"keypad Enter likewise", Qt::Key_Enter, "<SPACEBAR>", "<SPACEBAR>", false, "44"},
        {"Enter on a key in use takes it and refuses", Qt::Key_Return, "2", "2", true, ""},
        {"Escape closes the dialog and takes nothing", Qt::Key_Escape, "A", "1", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySettingsStore defaults;
        keys = KeyMap();
        keys.load(defaults);
        store = MemorySettingsStore();
        form = std::make_unique<TKeysForm>(keys, store, &mainWindow);
        form->show();
        QComboBox* cb = form->combos[0];
        cb->showPopup();
        QAbstractItemView* list = cb->view();
        ASSERT_TRUE(list->isVisible());
        list->setCurrentIndex(cb->model()->index(cb->findText(c.highlighted), 0));
        QKeyEvent e(QEvent::KeyPress, c.key, Qt::NoModifier);
        QApplication::sendEvent(list, &e);
        EXPECT_FALSE(list->isVisible());
        EXPECT_EQ(form->isVisible(), c.stillOpen);
        EXPECT_EQ(cb->currentText(), c.shown);
        EXPECT_EQ(store.readText("Key1").value_or(""), c.key1);
        EXPECT_EQ(store.values().size(), *c.key1 ? 7u : 0u);  // all seven keys, or none
    }
}

}  // namespace
}  // namespace zx
