// The key settings dialog: its controls, duplicate marking, Enter, Escape and acceptance.
#include "windows/keys_form.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionComplex>

#include "config/settings_store.h"
#include "input/key_map.h"
#include "input/qt/qt_key_translation.h"
#include "windows/combo_list_keys.h"
#include "windows/window_style.h"

namespace zx {

namespace {

constexpr int kClientWidth = 448;
constexpr int kClientHeight = 195;
constexpr QRgb kDarkBlue = qRgb(8, 42, 82);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr std::uint16_t kVkEnter = 13;
constexpr std::uint16_t kVkEscape = 27;

// One binding's row: its label and combo box. Game A..Time stand on the
// left with the combo box first; the game controls on the right, label first.
struct Row {
    const char* caption;
    int labelLeft, labelWidth;
    bool labelRight;
    int comboLeft, top;
};
constexpr Row kRows[kBindingCount] = {
    {"Game A", 136, 72, false, 8, 29},
    {"Game B", 136, 72, false, 8, 61},
    {"Time", 136, 72, false, 8, 93},
    {"Left", 216, 96, true, 320, 29},
    {"Right", 216, 96, true, 320, 61},
    {"Shoot (left)", 216, 96, true, 320, 93},
    {"Shoot (right)", 216, 96, true, 320, 125},
};
constexpr int kLabelBelowCombo = 4;  // a label's top lies 4 pixels below its combo box's

// The platform's combo box with a narrower arrow, so that the longest key
// name, "<RIGHT ARROW>", fits the 120-pixel box.
class NarrowArrowStyle : public QProxyStyle {
  public:
    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* w) const override {
        if (cc != CC_ComboBox) return QProxyStyle::subControlRect(cc, opt, sc, w);
        const QRect r = opt->rect;
        if (sc == SC_ComboBoxArrow) return QRect(r.right() - 10, r.top(), 11, r.height());
        if (sc == SC_ComboBoxEditField) return r.adjusted(1, 2, -10, -2);
        return QProxyStyle::subControlRect(cc, opt, sc, w);
    }
};

QLabel* heading(QWidget* parent, const char* text, int left, Qt::Alignment align) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(left, 8, 104, 13);
    QFont f;  // the system font
    f.setPixelSize(11);
    f.setBold(true);
    f.setUnderline(true);
    label->setFont(f);
    label->setAlignment(align | Qt::AlignTop);
    setTextColour(label, kWhite);
    return label;
}

}  // namespace

QStringList keyItemTexts() {
    QStringList items;
    for (char c = '0'; c <= '9'; ++c) items << QString(QChar(c));
    for (char c = 'A'; c <= 'Z'; ++c) items << QString(QChar(c));
    for (const char* name : {"UP ARROW", "DOWN ARROW", "LEFT ARROW", "RIGHT ARROW", "ALT", "CTRL",
                             "SHIFT", "SPACEBAR"})
        items << QStringLiteral("<%1>").arg(QString::fromLatin1(name));
    return items;
}

TKeysForm::TKeysForm(KeyMap& keys, SettingsStore& settings, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      keys_(keys),
      settings_(settings),
      mainWindow_(mainWindow) {
    buildControls();
    FormCreate();
}

void TKeysForm::buildControls() {
    setWindowTitle(QStringLiteral("Key settings"));
    setFixedSize(kClientWidth, kClientHeight);
    setBackgroundColour(this, kDarkBlue);

    la_main = heading(this, "Main operations", 8, Qt::AlignLeft);
    la_controls = heading(this, "Game controls", 336, Qt::AlignRight);

    const QStringList items = keyItemTexts();
    auto* comboStyle = new NarrowArrowStyle;
    comboStyle->setParent(this);
    for (int i = 0; i < kBindingCount; ++i) {
        const Row& r = kRows[i];
        QComboBox* cb = combos[std::size_t(i)] = new QComboBox(this);
        cb->setGeometry(r.comboLeft, r.top, 120, 21);
        cb->setEditable(false);
        cb->setFont(arialFont(13));
        cb->setStyle(comboStyle);
        QPalette pal = cb->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Button, Qt::white);
        cb->setPalette(pal);
        setTextColour(cb, qRgb(0, 0, 0));
        cb->addItems(items);
        if (i > 0) setTabOrder(combos[std::size_t(i - 1)], cb);

        QLabel* la = labels[std::size_t(i)] = new QLabel(QString::fromLatin1(r.caption), this);
        la->setGeometry(r.labelLeft, r.top + kLabelBelowCombo, r.labelWidth, 14);
        la->setFont(arialFont(11, Bold));
        la->setAlignment((r.labelRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        setTextColour(la, kWhite);
    }

    btn_accept = new QPushButton(QStringLiteral("- ACCEPT -"), this);
    btn_accept->setGeometry(183, 162, 82, 25);
    QFont bold = btn_accept->font();
    bold.setBold(true);
    btn_accept->setFont(bold);
    btn_accept->setCursor(Qt::PointingHandCursor);
    setTabOrder(combos.back(), btn_accept);

    for (QComboBox* cb : combos)
        connect(cb, &QComboBox::currentIndexChanged, this, &TKeysForm::cbChange);
    connect(btn_accept, &QPushButton::clicked, this, &TKeysForm::btn_acceptClick);

    // Key preview: the dialog sees every key before the control with the focus.
    // The lists too: while one is open the keyboard is its popup's.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    watchListKeys(this, combos);
}

void TKeysForm::FormCreate() {
    for (int n = 1; n <= kBindingCount; ++n) {
        const int index = keys_.KeyBindings[std::size_t(n - 1)].KeyIndex;
        // A key number outside the list selects nothing: the box shows no text.
        combos[std::size_t(n - 1)]->setCurrentIndex(index >= 1 && index <= kKeyCount ? index - 1
                                                                                     : -1);
    }
    cbChange();
}

void TKeysForm::FormActivate() { combos.front()->setFocus(Qt::ActiveWindowFocusReason); }

void TKeysForm::cbChange() { btn_accept->setEnabled(!CheckKeys()); }

bool TKeysForm::CheckKeys() {
    for (QLabel* la : labels) setTextColour(la, kWhite);
    bool duplicate = false;
    for (int j = 0; j < kBindingCount; ++j)
        for (int k = 0; k < kBindingCount; ++k) {
            if (j == k ||
                combos[std::size_t(j)]->currentText() != combos[std::size_t(k)]->currentText())
                continue;
            setTextColour(labels[std::size_t(j)], kRed);
            setTextColour(labels[std::size_t(k)], kRed);
            duplicate = true;
        }
    return duplicate;
}

void TKeysForm::btn_acceptClick() {
    // The button is disabled while keys clash; a direct call must not store them either.
    if (!btn_accept->isEnabled()) return;
    std::vector<std::pair<std::string, int>> stored;
    for (int n = 1; n <= kBindingCount; ++n) {
        KeyBinding& b = keys_.KeyBindings[std::size_t(n - 1)];
        b.KeyIndex = combos[std::size_t(n - 1)]->currentIndex() + 1;
        stored.emplace_back("Key" + std::to_string(n), b.KeyIndex);
        AssignWord(keys_.KeyBindings, n, b);
    }
    // The seven keys reach the file together.
    settings_.WriteIntegers(stored);
    keys_.UpdateButtonHints();
    if (mainWindow_) mainWindow_->setEnabled(true);
    close();
}

bool TKeysForm::FormKeyDown(int virtualKey) {
    switch (virtualKey) {
        case kVkEnter:
            if (btn_accept->isEnabled()) btn_acceptClick();
            return true;
        case kVkEscape:
            if (mainWindow_) mainWindow_->setEnabled(true);
            close();
            return true;
        default:
            return false;
    }
}

bool TKeysForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // A key the focused control ignores travels on to its parents; it is
        // handled only where it arrived first: in an open list, or else the
        // control with the focus.
        QComboBox* list = comboOfList(watched, combos);
        QWidget* first = focusWidget() ? focusWidget() : this;
        if (!list && watched != first) return QWidget::eventFilter(watched, event);
        const int vk = virtualKeyOf(*static_cast<QKeyEvent*>(event));
        // The list closes first; Enter takes the highlighted key, then accepts.
        if (list && (vk == kVkEnter || vk == kVkEscape)) closeList(list, vk == kVkEnter);
        if (FormKeyDown(vk)) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TKeysForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TKeysForm::hideEvent(QHideEvent* event) {
    // However the dialog goes away, the device window takes input again, and
    // the keyboard with it.
    if (mainWindow_) {
        mainWindow_->setEnabled(true);
        if (mainWindow_->isVisible()) mainWindow_->activateWindow();
    }
    QWidget::hideEvent(event);
}

}  // namespace zx
