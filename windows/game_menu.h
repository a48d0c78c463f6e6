// The in-game menu of full-screen mode: its picture and its rows of labels.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <array>
#include <functional>

#include "display/picture.h"
#include "windows/popup_menu.h"

namespace zx {

inline constexpr int kGameMenuPictureWidth = 256;
inline constexpr int kGameMenuPictureHeight = 512;
inline constexpr int kGameMenuRowHeight = 32;
// The background control's size with the menu closed (only the menu symbol)
// and open (title strip and 13 rows).
inline constexpr int kGameMenuClosedWidth = 36;
inline constexpr int kGameMenuClosedHeight = 32;
inline constexpr int kGameMenuOpenWidth = 256;
inline constexpr int kGameMenuOpenHeight = kGameMenuRowHeight * (kPopupItemCount + 1);

// 256 x 512 with alpha: an opaque black title strip 32 pixels high with the
// three-line menu symbol and "Game menu", below it black at 80 % opacity.
// Drawn in code; stands in when the bundled picture cannot be used.
QImage drawGameMenuImage();
// Graphics/Windows/game_menu.png below the current directory, or the drawn
// stand-in when that file is missing, damaged or not 256 x 512.
PictureRef gameMenuPicture();

// The text of an item's row: three spaces, the caption and " [V]" when checked.
QString gameMenuRowText(const QAction& item);

// One row of the open menu. A caption row highlights under the pointer, runs
// its command when the left button is released over it and then reports the
// release; a separator row is blank and does nothing.
class GameMenuLabel : public QLabel {
  public:
    GameMenuLabel(QWidget* parent, QAction* item);
    std::function<void()> onClick;    // the item's command
    std::function<void()> onMouseUp;  // la_menu_itemMouseUp
    bool highlighted() const { return autoFillBackground(); }

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool active_ = false;  // a caption row, not a separator
};

// GameMenuLabels: created on the window when the menu opens, removed when it
// closes. Removal is deferred, because it is asked for from within the
// release handler of one of the labels.
class GameMenu {
  public:
    // A click on a caption row triggers its item; released runs after it.
    void open(QWidget* window, const std::array<QAction*, kPopupItemCount>& items,
              const std::function<void()>& released);
    void close();
    bool hasLabels() const { return !labels_.empty(); }
    std::vector<GameMenuLabel*> labels() const;

  private:
    std::vector<QPointer<GameMenuLabel>> labels_;
};

}  // namespace zx
