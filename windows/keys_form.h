// TKeysForm: the key settings dialog, where each of the seven buttons gets its key.
#pragma once

#include <QWidget>
#include <array>

#include "input/keys_assign.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zx {

class KeyMap;
class SettingsStore;

// The combo boxes' own texts for key numbers 1..44 (item p is key number p + 1).
QStringList keyItemTexts();

class TKeysForm : public QWidget {
    Q_OBJECT
  public:
    // keys and settings are the device window's; mainWindow is enabled again
    // whenever the dialog closes.
    TKeysForm(KeyMap& keys, SettingsStore& settings, QWidget* mainWindow);

    // Recolours the labels; true when two combo boxes show the same text.
    bool CheckKeys();
    void cbChange();
    void btn_acceptClick();
    void FormActivate();

    QLabel* la_main = nullptr;
    QLabel* la_controls = nullptr;
    std::array<QLabel*, kBindingCount> labels{};     // la_1 .. la_7
    std::array<QComboBox*, kBindingCount> combos{};  // cb_1 .. cb_7
    QPushButton* btn_accept = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void buildControls();
    void FormCreate();
    // Enter and Escape, seen before the control with the focus; true when handled.
    bool FormKeyDown(int virtualKey);

    KeyMap& keys_;
    SettingsStore& settings_;
    QWidget* mainWindow_;
};

}  // namespace zx
