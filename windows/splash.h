// The splash window: sound driver choice, start-up preference and the launch.
#pragma once

#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;

namespace zx {

class Dialogs;
class SettingsStore;
class Shell;

// What the splash window needs from the device window to launch it.
class SplashHost {
  public:
    virtual ~SplashHost() = default;
    // Starts sound output in the given mode (0, 1 or 2); false when a driver
    // was chosen and its samples could not be loaded.
    virtual bool Snd_Init(int soundMode) = 0;
    // The tick of the popup-menu item pm_11_splashscreen.
    virtual void setSplashScreenTick(bool on) = 0;
    // Places the device window at the centre of the screen.
    virtual void centreOnScreen() = 0;
    // DeviceMode := 0 and Gam_Set_Mode: every segment lit, start-up timer armed.
    virtual void enterStartupMode() = 0;
    // Ends the program as soon as the event loop runs (or at once if it does).
    virtual void terminate() = 0;
};

// Where the links of the splash window and the about box lead.
inline constexpr const char* kMakerWebPage = "https://www.example.org/zorbanix/";
inline constexpr const char* kMakerMail = "zorbanix@example.org";
inline constexpr const char* kDonationPage = "https://www.example.org/zorbanix/donate";
inline constexpr const char* kAuthorCredit = "the Zorbanix simulator team";

class ClickLabel;

class TSplashForm : public QWidget {
    Q_OBJECT
  public:
    // Runs the creation step: either launches at once without ever showing
    // (a driver is stored and the splash is switched off; the controls below
    // then stay null) or builds its controls, centres itself and shows.
    // splashPending is the device window's SplashPending flag.
    TSplashForm(SplashHost& host, SettingsStore& settings, Dialogs& dialogs, Shell& shell,
                bool& splashPending, QWidget* parent = nullptr);
    ~TSplashForm() override;

    // Gives the keyboard focus to the driver list.
    void FormActivate();
    // Stores the choices, starts sound and hands over to the device window.
    // Runs at most once per run; later calls do nothing.
    void btn_playClick();

    bool launched() const { return launched_; }

    // Whether the "show at start" box is ticked (none before the controls exist).
    std::optional<bool> splashBoxTicked() const;
    // The controls by what they do, for tests that click and look.
    QComboBox* soundList() const { return cb_sound; }
    QCheckBox* splashBox() const { return chb_splashscreen; }
    QWidget* playButton() const;
    QWidget* playButtonDisabled() const;
    QWidget* websiteLink() const;
    QWidget* emailLink() const;
    QWidget* donateButton() const;
    const QLabel* background() const { return im_background; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    friend struct SplashLabels;  // the table of the plain text labels
    void FormCreate();
    void cb_soundChange();
    void updatePlayButton();
    // Handles Enter, the 1 key and Escape before the focused control; the
    // key is passed on afterwards.
    void FormKeyDown(int virtualKey);
    void la_website_2Click();
    void la_email_2Click();
    void btn_paypalClick();
    // Stores the choices, starts sound and hands over to the device window.
    void launch(int mode, bool showNextTime);
    void buildControls();
    void watchKeysOf(QWidget* w);

    SplashHost& host_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
    Shell& shell_;
    bool& splashPending_;
    bool launched_ = false;
    bool picturesLoaded_ = false;

    QComboBox* cb_sound = nullptr;
    QCheckBox* chb_splashscreen = nullptr;
    QLabel* im_background = nullptr;
    QLabel* la_game_title = nullptr;
    QLabel* la_version = nullptr;
    QLabel* im_box_picture = nullptr;
    QLabel* la_release_date = nullptr;
    QLabel* la_website_1 = nullptr;
    ClickLabel* la_website_2 = nullptr;
    QLabel* la_email_1 = nullptr;
    ClickLabel* la_email_2 = nullptr;
    QLabel* la_sound_select = nullptr;
    ClickLabel* btn_play = nullptr;
    QLabel* btn_play_disabled = nullptr;
    ClickLabel* btn_paypal = nullptr;
};

}  // namespace zx
