// The about box: picture, the team's details, the two links and Escape.
#include "windows/about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "windows/shell.h"
#include "windows/splash.h"
#include "windows/splash_art.h"
#include "windows/window_style.h"

namespace zx {

namespace {

constexpr QRgb kDarkBlue = qRgb(8, 41, 82);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr int kCaptionLeft = 132, kValueLeft = 212, kRowHeight = 24, kFirstRow = 8;

struct AboutRow {
    const char* caption;
    const char* value;
    unsigned style;
};
// Rows 1 to 5; the links of rows 6 and 7 follow them.
constexpr AboutRow kRows[] = {
    {"Name:", "The Zorbanix simulator team", Bold},
    {"Birthplace:", "C++20 and Qt 6 on Debian", Bold},
    {"Birth date:", "4th December, 2017", Bold},
    {"Occupation:", "Simulators of LCD games", Bold},
    {"Hobby:", "Pocket games that are clocks too", Bold | Italic},
};
constexpr const char* kLinkCaptions[] = {"Website:", "Email:"};

// The picture drawn in code when the bundled one is missing.
QImage drawPicture() {
    QImage img(116, 160, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 160);
    g.setColorAt(0, QColor(36, 96, 160));
    g.setColorAt(1, QColor(kDarkBlue));
    p.fillRect(img.rect(), g);
    p.setPen(QColor(255, 230, 160));
    p.setFont(arialFont(16, Bold | Italic));
    p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("Zorbanix"));
    return img;
}

QLabel* rowLabel(QWidget* parent, const char* text, int left, int top, int width, unsigned style) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(left, top, width, 15);
    label->setFont(arialFont(11, style));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, kWhite);
    return label;
}

ClickLabel* linkLabel(QWidget* parent, const QString& text, int top) {
    auto* label = new ClickLabel(text, parent);
    label->setGeometry(kValueLeft, top, 168, 15);
    label->setFont(arialFont(12, Bold | Underlined));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setCursor(Qt::PointingHandCursor);
    setTextColour(label, kYellow);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(Shell& shell)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      shell_(shell) {
    setWindowTitle(QStringLiteral("About the author..."));
    setFixedSize(397, 176);
    setBackgroundColour(this, kDarkBlue);

    im_picture = new QLabel(this);
    im_picture->setGeometry(8, 8, 116, 160);
    const QImage picture = loadWindowPicture(QStringLiteral("Graphics/Windows/about.png"));
    im_picture->setPixmap(QPixmap::fromImage(picture.isNull() ? drawPicture() : picture));

    int top = kFirstRow;
    for (std::size_t i = 0; i < std::size(kRows); ++i, top += kRowHeight) {
        captions[i] = rowLabel(this, kRows[i].caption, kCaptionLeft, top, 76, Regular);
        values[i] = rowLabel(this, kRows[i].value, kValueLeft, top, 177, kRows[i].style);
    }
    for (std::size_t i = 0; i < 2; ++i)
        captions[std::size(kRows) + i] =
            rowLabel(this, kLinkCaptions[i], kCaptionLeft, top + int(i) * kRowHeight, 76, Regular);
    la_website_2 = linkLabel(this, QStringLiteral("www.example.org/sim"), top);
    la_email_2 = linkLabel(this, QString::fromLatin1(kMakerMail), top + kRowHeight);
    connect(la_website_2, &ClickLabel::clicked, this, &TAboutForm::la_website_2Click);
    connect(la_email_2, &ClickLabel::clicked, this, &TAboutForm::la_email_2Click);
}

void TAboutForm::open() {
    if (!shownBefore_) centreWindow(this);
    shownBefore_ = true;
    show();
    raise();
    activateWindow();
}

// Whether or not a browser or mail program starts, the box closes.
void TAboutForm::la_website_2Click() {
    shell_.open(QString::fromLatin1(kAboutWebPage));
    close();
}

void TAboutForm::la_email_2Click() {
    shell_.open(QStringLiteral("mailto:") + QString::fromLatin1(kMakerMail));
    close();
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace zx
