// TManualForm: the manual viewer, twelve page pictures turned with arrows and keys.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "config/gfxinit.h"
#include "windows/input_router.h"

namespace zx {

class Dialogs;

// The viewer's controls that take part in drawing and clicks, bottom to top.
enum class ManualCtl : int {
    btn_right_down,
    btn_left_down,
    btn_close_down,
    sh_page_top,
    btn_close_up,
    btn_right_up,
    btn_left_up,
};
inline constexpr int kManualCtlCount = 7;

class TManualForm : public QWidget {
    Q_OBJECT
  public:
    // Reads the window's size and the pages' folder from the Config.ini at
    // configPath; the pages are loaded when the viewer first opens, and a page
    // file that its decoder rejects is reported then through dialogs.
    TManualForm(const std::string& configPath, Dialogs& dialogs);

    // Shows the viewer: centred the first time, later where it was left.
    void open();

    void Vid_Show_Page();
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();
    void Inp_esc_down();
    void Inp_esc_up();

    int ManualPage = 1;
    bool visible(ManualCtl c) const { return visible_[std::size_t(c)]; }
    // Where a control stands in the client area at its current size.
    QRect rectOf(ManualCtl c) const;
    // The picture on screen (im_page_top).
    const QImage& pageOnScreen() const { return pageTop_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void FormCreate(const std::string& configPath, Dialogs& dialogs);
    void loadPictures();
    void FormKeyDown(int virtualKey);
    void FormKeyUp(int virtualKey);
    void setVisible(ManualCtl c, bool on);
    // The topmost visible control that takes presses at a point.
    std::optional<ManualCtl> controlAt(QPoint p) const;
    void controlPressed(ManualCtl c, QPoint p);
    void controlReleased(ManualCtl c);

    ManualLayout layout_;
    Dialogs* dialogs_ = nullptr;
    bool loaded_ = false;
    ManualPages pages_;
    std::array<QImage, kManualPageCount> ManualPages_;  // views of the loaded pages
    QImage pageTop_;
    std::array<bool, kManualCtlCount> visible_{};
    std::array<QImage, kManualCtlCount> pictures_;  // the six buttons; none for the shape
    QPoint dragStart_;
    InputRouter<ManualCtl> input_;  // keys, and the control that took the left press
    bool shownBefore_ = false;
};

}  // namespace zx
