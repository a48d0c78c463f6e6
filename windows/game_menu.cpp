// The in-game menu's built-in picture and its rows.
#include "windows/game_menu.h"

#include <QAction>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <filesystem>

#include "config/picture_decoder.h"
#include "config/twin_picture.h"

namespace zx {

QImage drawGameMenuImage() {
    QImage img(kGameMenuPictureWidth, kGameMenuPictureHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(0, 0, 0, 204));
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(0, 0, kGameMenuPictureWidth, kGameMenuRowHeight, Qt::black);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The menu symbol: three white bars, the only part seen while closed.
    for (int i = 0; i < 3; ++i) p.fillRect(8, 9 + i * 6, 20, 3, Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(kGameMenuClosedWidth + 6, 0, 200, kGameMenuRowHeight),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Game menu"));
    return img;
}

PictureRef gameMenuPicture() {
    const std::string path = "Graphics/Windows/game_menu.png";
    std::error_code ec;
    // A FIFO or a device in its place would block or never end.
    const DecodeResult file =
        std::filesystem::is_regular_file(path, ec) ? decodePictureFile(path) : DecodeResult{};
    if (file.ok() && file.picture->width == kGameMenuPictureWidth &&
        file.picture->height == kGameMenuPictureHeight) {
        file.picture->twinPath = twinPathOf(path);
        return file.picture;
    }
    const QImage img = drawGameMenuImage();
    auto pic = std::make_shared<Picture>();
    pic->width = img.width();
    pic->height = img.height();
    pic->pixels.resize(std::size_t(pic->width) * pic->height);
    for (int y = 0; y < pic->height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(img.constScanLine(y));
        std::copy(row, row + pic->width, pic->pixels.begin() + std::ptrdiff_t(y) * pic->width);
    }
    return pic;
}

QString gameMenuRowText(const QAction& item) {
    QString text = QStringLiteral("   ") + item.text();
    if (item.isChecked()) text += QStringLiteral(" [V]");
    return text;
}

GameMenuLabel::GameMenuLabel(QWidget* parent, QAction* item) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground, false);
    setAutoFillBackground(false);  // transparent until the pointer is over it
    setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    // A right click falls through to the window and opens the popup menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    if (item->isSeparator()) return;
    QFont font(QStringLiteral("Arial"));
    // A character cell 16 pixels high is an em of 14 pixels in Arial.
    font.setPixelSize(14);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setText(gameMenuRowText(*item));
    setCursor(Qt::PointingHandCursor);
    setEnabled(item->isEnabled());
    active_ = isEnabled();
}

void GameMenuLabel::enterEvent(QEnterEvent* event) {
    if (active_) setAutoFillBackground(true);
    QLabel::enterEvent(event);
}

void GameMenuLabel::leaveEvent(QEvent* event) {
    if (active_) setAutoFillBackground(false);
    QLabel::leaveEvent(event);
}

void GameMenuLabel::mousePressEvent(QMouseEvent* event) {
    // Keeping the press makes the release come back here, wherever it is.
    if (active_)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void GameMenuLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (!active_) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    // A click is a release over the row; the command runs before the menu closes.
    if (rect().contains(event->position().toPoint()) && onClick) onClick();
    if (onMouseUp) onMouseUp();
}

void GameMenu::open(QWidget* window, const std::array<QAction*, kPopupItemCount>& items,
                    const std::function<void()>& released) {
    close();
    for (int i = 1; i <= kPopupItemCount; ++i) {
        QAction* item = items[std::size_t(i - 1)];
        auto* label = new GameMenuLabel(window, item);
        label->setGeometry(0, kGameMenuRowHeight * i, kGameMenuOpenWidth, kGameMenuRowHeight);
        if (!item->isSeparator()) {
            label->onClick = [item] { item->trigger(); };
            label->onMouseUp = released;
        }
        label->show();
        label->raise();
        labels_.emplace_back(label);
    }
}

void GameMenu::close() {
    for (const auto& label : labels_) {
        if (!label) continue;
        label->hide();
        label->deleteLater();
    }
    labels_.clear();
}

std::vector<GameMenuLabel*> GameMenu::labels() const {
    std::vector<GameMenuLabel*> out;
    for (const auto& label : labels_)
        if (label) out.push_back(label);
    return out;
}

}  // namespace zx
