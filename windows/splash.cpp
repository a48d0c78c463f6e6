// The splash window: its controls, creation step, keys, links and the launch.
#include "windows/splash.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>

#include "config/settings_store.h"
#include "input/qt/qt_key_translation.h"
#include "sound/sound.h"
#include "windows/combo_list_keys.h"
#include "windows/dialogs.h"
#include "windows/shell.h"
#include "windows/splash_art.h"

namespace zx {

namespace {

constexpr int kClientWidth = 460;
constexpr int kClientHeight = 420;
constexpr std::uint16_t kVkEnter = 13;
constexpr std::uint16_t kVkEscape = 27;
constexpr std::uint16_t kVkDigit1 = 49;

const char* const kSoundFailure = "Sound folder unproperly installed. Please reinstall the game.";
const char* const kPlayHint = "please select sound driver first";

enum LabelStyle : unsigned { Plain = 0, Bold = 1, Underline = 2, Centred = 4 };

struct LabelLook {
    int left, top, width, height;
    QRgb colour;
    unsigned style;
};

// The plain text labels, as they stand on the window.
struct LabelEntry {
    QLabel* TSplashForm::*member;
    LabelLook look;
};

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

}  // namespace

struct SplashLabels {
    static constexpr LabelEntry kLabels[] = {
        {&TSplashForm::la_game_title, {0, 12, 460, 15, kWhite, Bold | Centred}},
        {&TSplashForm::la_version, {0, 28, 460, 15, kWhite, Bold | Centred}},
        {&TSplashForm::la_release_date, {0, 236, 460, 15, kBlack, Centred}},
        {&TSplashForm::la_website_1, {118, 259, 56, 15, kBlack, Plain}},
        {&TSplashForm::la_email_1, {118, 282, 56, 15, kBlack, Plain}},
        {&TSplashForm::la_sound_select, {98, 308, 116, 15, kBlack, Plain}},
    };
};

namespace {

const LabelLook kWebsiteLink{174, 259, 168, 15, kSplashMidBlue, Bold | Underline};
const LabelLook kEmailLink{174, 282, 168, 15, kSplashMidBlue, Bold | Underline};

QFont windowFont(unsigned style) {
    QFont f;
    // Arial, or a face with the same metrics where it is not installed.
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(12);
    f.setBold(style & Bold);
    f.setUnderline(style & Underline);
    return f;
}

void setTextColour(QWidget* w, QRgb colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, QColor(colour));
    pal.setColor(QPalette::Text, QColor(colour));
    w->setPalette(pal);
}

QPixmap pixmapOf(const QImage& img) { return QPixmap::fromImage(img); }

template <class Label>
Label* makeLabel(QWidget* parent, const LabelLook& look) {
    auto* label = new Label(parent);
    label->setGeometry(look.left, look.top, look.width, look.height);
    label->setFont(windowFont(look.style));
    setTextColour(label, look.colour);
    label->setAlignment((look.style & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

}  // namespace

TSplashForm::TSplashForm(SplashHost& host, SettingsStore& settings, Dialogs& dialogs, Shell& shell,
                         bool& splashPending, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      host_(host),
      settings_(settings),
      dialogs_(dialogs),
      shell_(shell),
      splashPending_(splashPending) {
    setWindowTitle(QStringLiteral("About this game..."));
    setFixedSize(kClientWidth, kClientHeight);
    FormCreate();
}

TSplashForm::~TSplashForm() = default;

std::optional<bool> TSplashForm::splashBoxTicked() const {
    if (!chb_splashscreen) return std::nullopt;
    return chb_splashscreen->isChecked();
}

QWidget* TSplashForm::playButton() const { return btn_play; }
QWidget* TSplashForm::playButtonDisabled() const { return btn_play_disabled; }
QWidget* TSplashForm::websiteLink() const { return la_website_2; }
QWidget* TSplashForm::emailLink() const { return la_email_2; }
QWidget* TSplashForm::donateButton() const { return btn_paypal; }

void TSplashForm::buildControls() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    im_background = new QLabel(this);
    im_background->setGeometry(0, 0, kClientWidth, kClientHeight);

    im_box_picture = new QLabel(this);
    im_box_picture->setGeometry(0, 56, 460, 160);
    im_box_picture->setAlignment(Qt::AlignCenter);

    for (const LabelEntry& s : SplashLabels::kLabels)
        this->*s.member = makeLabel<QLabel>(this, s.look);
    la_website_2 = makeLabel<ClickLabel>(this, kWebsiteLink);
    la_email_2 = makeLabel<ClickLabel>(this, kEmailLink);
    la_website_2->setCursor(Qt::PointingHandCursor);
    la_email_2->setCursor(Qt::PointingHandCursor);
    la_website_1->setText(QStringLiteral("website:"));
    la_website_2->setText(QStringLiteral("www.example.org/zorbanix"));
    la_email_1->setText(QStringLiteral("email:"));
    la_email_2->setText(QString::fromLatin1(kMakerMail));
    la_sound_select->setText(QStringLiteral("Select sound driver:"));

    cb_sound = new QComboBox(this);
    cb_sound->setGeometry(217, 308, 144, 21);
    cb_sound->setFont(windowFont(Plain));
    cb_sound->setEditable(false);
    for (const char* name : kSoundModeNames) cb_sound->addItem(QString::fromLatin1(name));
    cb_sound->setMaxVisibleItems(3);

    btn_play = new ClickLabel(this);
    btn_play->setGeometry(116, 340, 107, 30);
    btn_play->setCursor(Qt::PointingHandCursor);

    btn_play_disabled = new QLabel(this);
    btn_play_disabled->setGeometry(116, 340, 107, 30);
    btn_play_disabled->setCursor(Qt::WhatsThisCursor);
    btn_play_disabled->setToolTip(QString::fromLatin1(kPlayHint));
    btn_play_disabled->hide();

    btn_paypal = new ClickLabel(this);
    btn_paypal->setGeometry(237, 340, 107, 30);
    btn_paypal->setCursor(Qt::PointingHandCursor);

    chb_splashscreen = new QCheckBox(QStringLiteral("Display this splash screen at startup"), this);
    chb_splashscreen->setGeometry(12, 391, 444, 17);
    chb_splashscreen->setChecked(true);
    QPalette boxPal = chb_splashscreen->palette();
    boxPal.setColor(QPalette::Window, QColor(kSplashCheckBoxBlue));
    boxPal.setColor(QPalette::WindowText, Qt::white);
    chb_splashscreen->setPalette(boxPal);
    chb_splashscreen->setBackgroundRole(QPalette::Window);  // buttons fill with Button otherwise
    chb_splashscreen->setAutoFillBackground(true);

    setTabOrder(cb_sound, chb_splashscreen);

    connect(cb_sound, &QComboBox::currentIndexChanged, this, &TSplashForm::cb_soundChange);
    connect(btn_play, &ClickLabel::clicked, this, &TSplashForm::btn_playClick);
    connect(la_website_2, &ClickLabel::clicked, this, &TSplashForm::la_website_2Click);
    connect(la_email_2, &ClickLabel::clicked, this, &TSplashForm::la_email_2Click);
    connect(btn_paypal, &ClickLabel::clicked, this, &TSplashForm::btn_paypalClick);

    // Key preview: the window sees every key before the control with the focus,
    // also while the driver list is open in its own popup.
    watchKeysOf(this);
    for (QWidget* child : findChildren<QWidget*>()) watchKeysOf(child);
    watchListKeys(this, {&cb_sound, 1});
}

void TSplashForm::watchKeysOf(QWidget* w) { w->installEventFilter(this); }

void TSplashForm::showEvent(QShowEvent* event) {
    // The pictures are decoded at the first showing: a start that launches
    // at once never shows the window and never needs them.
    if (!picturesLoaded_ && im_background) {
        picturesLoaded_ = true;
        im_background->setPixmap(pixmapOf(splashBackground()));
        im_box_picture->setPixmap(pixmapOf(splashBoxPicture()));
        btn_play->setPixmap(pixmapOf(splashPlayPicture(true)));
        btn_play_disabled->setPixmap(pixmapOf(splashPlayPicture(false)));
        btn_paypal->setPixmap(pixmapOf(splashDonatePicture()));
    }
    QWidget::showEvent(event);
}

void TSplashForm::FormCreate() {
    const int mode = settings_.ReadInteger("SoundMode", kSoundModeUnset);
    const bool known = mode >= 0 && mode < int(kSoundModeNames.size());
    const bool showAtStart = settings_.ReadBool("SplashScreen", true);

    if (known && !showAtStart) {
        // Launches at once and is never shown, so its controls are never
        // built; the list's text at this position names the same mode.
        move(-width(), -height());
        splashPending_ = false;
        launch(mode, false);
        return;
    }

    buildControls();
    la_game_title->setText(QStringLiteral("Zorbanix (Quentrel, Tikkabo) Simulator"));
    la_version->setText(QStringLiteral("Version 5.00 * Final *"));
    la_release_date->setText(QStringLiteral("Released by %1 on 4th December, 2017")
                                 .arg(QString::fromLatin1(kAuthorCredit)));
    cb_sound->setCurrentIndex(known ? mode : -1);
    chb_splashscreen->setChecked(showAtStart);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.x() + std::max(0, (screen.width() - width()) / 2),
         screen.y() + std::max(0, (screen.height() - height()) / 2));
    updatePlayButton();
    show();
}

void TSplashForm::FormActivate() {
    if (cb_sound) cb_sound->setFocus(Qt::ActiveWindowFocusReason);
}

void TSplashForm::cb_soundChange() { updatePlayButton(); }

void TSplashForm::updatePlayButton() {
    const bool selected = !cb_sound->currentText().isEmpty();
    btn_play->setEnabled(selected);
    btn_play->setVisible(selected);
    btn_play_disabled->setVisible(!selected);
}

void TSplashForm::btn_playClick() {
    if (launched_ || !cb_sound) return;
    const int mode = soundModeFromText(cb_sound->currentText().toStdString());
    if (mode == kSoundModeUnset) return;  // no driver chosen: nothing to launch with
    launch(mode, chb_splashscreen->isChecked());
}

void TSplashForm::launch(int mode, bool showNextTime) {
    launched_ = true;
    // The splash is not to be brought forward once the device runs.
    splashPending_ = false;

    // Stored before sound starts, so that a failure below can overwrite it.
    settings_.WriteInteger("SoundMode", mode);
    if (!host_.Snd_Init(mode)) {
        dialogs_.showError(QString::fromLatin1(kSoundFailure));
        // The next start then shows the splash with no driver selected.
        settings_.WriteInteger("SoundMode", kSoundModeUnset);
        settings_.WriteBool("SplashScreen", true);
        host_.terminate();
        return;
    }
    settings_.WriteBool("SplashScreen", showNextTime);
    host_.setSplashScreenTick(showNextTime);
    host_.centreOnScreen();
    host_.enterStartupMode();
    hide();
}

void TSplashForm::FormKeyDown(int virtualKey) {
    switch (virtualKey) {
        case kVkEnter:
        case kVkDigit1:
            if (btn_play->isEnabled()) btn_playClick();
            break;
        case kVkEscape:
            host_.terminate();
            break;
        default:
            break;
    }
}

bool TSplashForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // A key the focused control ignores travels on to its parents; it is
        // handled only where it arrived first: in the driver list while it is
        // open (its own handling may already have closed it), or else the
        // control with the focus.
        const bool inList = comboOfList(watched, {&cb_sound, 1}) != nullptr;
        QWidget* first = focusWidget() ? focusWidget() : this;
        if (!inList && watched != first) return QWidget::eventFilter(watched, event);
        const int vk = virtualKeyOf(*static_cast<QKeyEvent*>(event));
        if (inList && (vk == kVkEnter || vk == kVkDigit1 || vk == kVkEscape)) {
            // The list closes first; a launch takes the highlighted driver.
            closeList(cb_sound, vk != kVkEscape);
            FormKeyDown(vk);
            return true;
        }
        FormKeyDown(vk);
    }
    return QWidget::eventFilter(watched, event);  // the key goes on to its control
}

void TSplashForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TSplashForm::closeEvent(QCloseEvent* event) {
    // Closing the window before the launch would leave the program running
    // with nothing on screen (the device window is still hidden),
    // so it ends the program as Escape does.
    if (!launched_) host_.terminate();
    event->accept();
}

void TSplashForm::la_website_2Click() { shell_.open(QString::fromLatin1(kMakerWebPage)); }

void TSplashForm::la_email_2Click() {
    shell_.open(QStringLiteral("mailto:") + QString::fromLatin1(kMakerMail));
}

void TSplashForm::btn_paypalClick() { shell_.open(QString::fromLatin1(kDonationPage)); }

}  // namespace zx
