// A test skin for the end-to-end tests: flat colours at known places, so
// that a screenshot tells the digits, the icons and every game figure.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "display/controls.h"
#include "tests/app/xvfb_session.h"

namespace zx::e2e {

inline constexpr int kScreenW = 1024, kScreenH = 768;
inline constexpr int kLeft = (kScreenW - 542) / 2, kTop = (kScreenH - 359) / 2;
inline const QColor kBody(90, 110, 130);
inline const QColor kLit(20, 40, 30);
inline const QColor kBackdrop(30, 30, 200);

// The icons of the row, in order: index i stands at TestSkin::icon(i).
enum Icon { Time1, Time2, Alarm, Date, Chrono, GameA, Am, Pm, Sound, GameB };

struct TestSkin {
    explicit TestSkin(ProgramFolder& f);

    static int digitX(int place) { return 300 + 20 * place; }
    static QPoint icon(int index) { return {100 + 20 * index + 5, 125}; }
    // Game figures by column 1..3 (shot rows 1..4, miss marks 1..3).
    static QPoint hero(int column) { return {column * 50 + 75, 290}; }
    static QPoint shot(int column, int row) { return {column * 50 + 75, 285 - 15 * row}; }
    static QPoint helper(int column) { return {column * 50 + 75, 205}; }
    static QPoint enemy(int column) { return {column * 50 + 75, 160}; }
    static QPoint missMark(int i) { return {400 + 20 * i, 105}; }

    // A button with its released and pressed pictures, in the skin's 1x
    // coordinates; Config.ini is written again.
    void button(Ctl top, Ctl down, QRect r);
    // A key of the [Fullscreen] section ("Scale=fit"); Config.ini is written again.
    void fullscreenKey(const QByteArray& line);

  private:
    void picture(const QString& name, const QImage& img);
    void place(Ctl c, const QString& file, int x, int y, int w, int h);
    void placeLit(Ctl c, QPoint centre) {
        place(c, "lit.png", centre.x() - 5, centre.y() - 5, 10, 10);
    }

    QByteArray ini_ = "[Fullscreen]\nBackdropFile=back.png\nBackdropStretch=1\n";
    ProgramFolder& folder_;
};

inline const QColor kButtonTop(200, 200, 60), kButtonDown(250, 250, 140);

// The skin the program ships (Config.ini and Graphics), copied into the folder.
void copyBundledSkin(ProgramFolder& f);

// Pixels within r that show the colour key, magenta, or a blend dominated by it.
int keyPixels(const QImage& shot, QRect r);

// What a screenshot of the test skin shows, the device's top-left at origin.
struct Screen {
    QImage shot;
    QPoint origin{kLeft, kTop};

    bool lit(QPoint p) const { return shot.pixelColor(origin + p) == kLit; }
    bool icon(int index) const { return lit(TestSkin::icon(index)); }
    // The five digit places: digits, 's' before a small one, '_' blank.
    QString digits() const;
    // The lit column of a figure, 0 for none, -1 for more than one.
    int column(QPoint (*where)(int)) const;
    int shotColumn() const;
    int missMarks() const;
};

}  // namespace zx::e2e
