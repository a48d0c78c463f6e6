// The end-to-end test skin and its reader.
#include "tests/app/test_skin.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QPainter>

namespace zx::e2e {

namespace {

// Every digit glyph has a colour of its own, so a slot's colour tells its digit.
QColor bigColour(int d) { return QColor(40 + 20 * d, 250 - 20 * d, 60); }
QColor smallColour(int d) { return QColor(60, 40 + 20 * d, 250 - 20 * d); }

QImage solid(QColor c, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

}  // namespace

TestSkin::TestSkin(ProgramFolder& f) : folder_(f) {
    QImage bg(542, 359, QImage::Format_RGB32);
    bg.fill(QColor(255, 0, 255));
    QPainter p(&bg);
    p.fillRect(40, 30, 462, 299, kBody);
    p.end();
    picture("bg.png", bg);
    place(Ctl::im_background, "bg.png", 0, 0, 542, 359);
    picture("lit.png", solid(kLit, 10, 10));
    folder_.write("Graphics/Backdrops/back.png", encoded(solid(kBackdrop, 32, 18), "PNG"));
    for (int d = 0; d <= 9; ++d) {
        picture(QString("big%1.png").arg(d), solid(bigColour(d), 12, 16));
        picture(QString("small%1.png").arg(d), solid(smallColour(d), 8, 10));
        place(Ctl(int(Ctl::im_panel_number_0) + d), QString("big%1.png").arg(d), 60, 300, 12, 16);
        place(Ctl(int(Ctl::im_panel_number_small_0) + d), QString("small%1.png").arg(d), 80, 300, 8,
              10);
    }
    for (int place_ = 1; place_ <= 4; ++place_)
        place(Ctl(int(Ctl::im_panel_digit_pos_1) + place_ - 1), "", digitX(place_), 60, 12, 16);
    place(Ctl::im_panel_digit_pos_5, "", digitX(5), 60, 8, 10);
    const Ctl icons[] = {Ctl::im_panel_time_1,  Ctl::im_panel_time_2,  Ctl::im_panel_alarm,
                         Ctl::im_panel_date,    Ctl::im_panel_chrono,  Ctl::im_panel_game_a,
                         Ctl::im_panel_time_am, Ctl::im_panel_time_pm, Ctl::im_panel_sound,
                         Ctl::im_panel_game_b};
    for (int i = 0; i < int(std::size(icons)); ++i) placeLit(icons[i], icon(i));
    for (int c = 1; c <= 3; ++c) {
        placeLit(Ctl(int(Ctl::im_hero_1) + c - 1), hero(c));
        placeLit(Ctl(int(Ctl::im_enemy_helper_1) + c - 1), helper(c));
        placeLit(Ctl(int(Ctl::im_enemy_1_1) + c - 1), enemy(c));
        placeLit(Ctl(int(Ctl::im_panel_miss_1) + c - 1), missMark(c));
        // The shot rows: im_shot_1_4 .. im_shot_3_1, column first within a row.
        for (int row = 1; row <= 4; ++row)
            placeLit(Ctl(int(Ctl::im_shot_1_1) - (row - 1) * 3 + c - 1), shot(c, row));
    }
    folder_.write("Config.ini", ini_);
}

void TestSkin::button(Ctl top, Ctl down, QRect r) {
    picture("top.png", solid(kButtonTop, r.width(), r.height()));
    picture("down.png", solid(kButtonDown, r.width(), r.height()));
    place(top, "top.png", r.x(), r.y(), r.width(), r.height());
    place(down, "down.png", r.x(), r.y(), r.width(), r.height());
    folder_.write("Config.ini", ini_);
}

void TestSkin::fullscreenKey(const QByteArray& line) {
    ini_.replace("[Fullscreen]\n", "[Fullscreen]\n" + line + "\n");
    folder_.write("Config.ini", ini_);
}

void copyBundledSkin(ProgramFolder& f) {
    const QDir bundle = QFileInfo(ZX_PROGRAM).dir();
    QDirIterator it(bundle.filePath("Graphics"), QDir::Files, QDirIterator::Subdirectories);
    QStringList files{bundle.filePath("Config.ini")};
    while (it.hasNext()) files << it.next();
    for (const QString& file : files) {
        QFile in(file);
        in.open(QIODevice::ReadOnly);
        f.write(bundle.relativeFilePath(file), in.readAll());
    }
}

int keyPixels(const QImage& shot, QRect r) {
    int n = 0;
    r &= shot.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            n += c.red() > 180 && c.blue() > 180 && c.green() < 90;
        }
    return n;
}

void TestSkin::picture(const QString& name, const QImage& img) {
    folder_.write("Graphics/Skin/" + name, encoded(img, "PNG"));
}

void TestSkin::place(Ctl c, const QString& file, int x, int y, int w, int h) {
    ini_ += QString("[Image%1]\nFilename=%2\nLeft=%3\nTop=%4\nWidth=%5\nHeight=%6\n")
                .arg(int(c) + 1)
                .arg(file)
                .arg(x)
                .arg(y)
                .arg(w)
                .arg(h)
                .toUtf8();
}

QString Screen::digits() const {
    QString out;
    for (int place = 1; place <= 5; ++place) {
        const QColor c = shot.pixelColor(origin + QPoint(TestSkin::digitX(place) + 4, 64));
        QChar ch = '_';
        for (int d = 0; d <= 9; ++d) {
            if (c == bigColour(d)) ch = QChar('0' + d);
            if (c == smallColour(d)) {
                out += 's';
                ch = QChar('0' + d);
            }
        }
        out += ch;
    }
    return out;
}

int Screen::column(QPoint (*where)(int)) const {
    int found = 0;
    for (int c = 1; c <= 3; ++c)
        if (lit(where(c))) found = found ? -1 : c;
    return found;
}

int Screen::shotColumn() const {
    int found = 0;
    for (int c = 1; c <= 3; ++c)
        for (int row = 1; row <= 4; ++row)
            if (lit(TestSkin::shot(c, row))) found = c;
    return found;
}

int Screen::missMarks() const {
    int n = 0;
    for (int i = 1; i <= 3; ++i) n += lit(TestSkin::missMark(i));
    return n;
}

}  // namespace zx::e2e
