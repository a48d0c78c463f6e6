// The reference for the start-up benchmark: a minimal Qt window of a given
// size, frameless, filled grey and centred, as the device window is shown.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const bool full = argc > 1 && QByteArray(argv[1]) == "full";
    const QSize size = full ? screen : QSize(542, 359);
    QWidget w(nullptr, Qt::FramelessWindowHint);
    QPalette pal = w.palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    w.setPalette(pal);
    w.setAutoFillBackground(true);
    w.setFixedSize(size);
    w.move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
    w.show();
    return app.exec();
}
