// TAboutForm: the about box, with the picture, seven rows and the two links.
#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace zx {

class ClickLabel;
class Shell;

// The web page the about box's link opens, on the same site as the splash window's;
// its mail link uses the same address as the splash window's.
inline constexpr const char* kAboutWebPage = "https://www.example.org/sim/";

class TAboutForm : public QWidget {
    Q_OBJECT
  public:
    explicit TAboutForm(Shell& shell);

    // Shows the box, or brings it to the front: centred the first time,
    // later where it was left.
    void open();

    void la_website_2Click();
    void la_email_2Click();

    QLabel* im_picture = nullptr;
    std::array<QLabel*, 7> captions{};  // la_name_1 .. la_email_1
    std::array<QLabel*, 5> values{};    // la_name_2 .. la_hobby_2
    ClickLabel* la_website_2 = nullptr;
    ClickLabel* la_email_2 = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Shell& shell_;
    bool shownBefore_ = false;
};

}  // namespace zx
