// The reference for the start-up benchmark: a minimal Qt window of a given
// size, frameless, filled grey and centred, as the device window is shown.
// "minimal_window full [picture]": screen-sized, and with a picture, which
// Qt's own reader decodes at start, drawn centred over the grey.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class PictureWindow : public QWidget {
  public:
    explicit PictureWindow(const QString& picture)
        : QWidget(nullptr, Qt::FramelessWindowHint), picture_(picture) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    // Grey where the picture leaves a border, the picture over the rest.
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect at(QPoint((width() - picture_.width()) / 2, (height() - picture_.height()) / 2),
                       picture_.size());
        for (const QRect& r : QRegion(rect()) - QRegion(at)) p.fillRect(r, QColor(128, 128, 128));
        p.drawImage(at.topLeft(), picture_);
    }

  private:
    QImage picture_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const bool full = argc > 1 && QByteArray(argv[1]) == "full";
    const QSize size = full ? screen : QSize(542, 359);
    PictureWindow w(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    w.setFixedSize(size);
    w.move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
    w.show();
    return app.exec();
}
