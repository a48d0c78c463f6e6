// The LCD's segment groups and the Vid_ operations that switch them.
#pragma once

#include <array>

#include "display/face.h"

namespace zx {

// Segment groups, 1-based as the game and clock address them.
namespace seg {
Ctl digitSlot(int place);            // 1..5
Ctl bigGlyph(int digit);             // 0..9
Ctl smallGlyph(int digit);           // 0..9
Ctl panelMissMark(int i);            // 1..3
Ctl hero(int column);                // 1..3
Ctl enemyHelper(int column);         // 1..3
Ctl miss(int frame);                 // 1..5
Ctl enemy(int column, int frame);    // frame 1: body, 2 and 3: poses
Ctl shot(int column, int row);       // row 1 above the hero .. 4 highest
Ctl saveme(int column, int figure);  // figure 1 is the last to go
extern const std::array<Ctl, 12> kPanelIcons;
}  // namespace seg

class Display {
  public:
    explicit Display(Face& face) : face_(face) {}

    void Vid_Show_All(bool on);
    void Vid_Show_All_Enemy(bool on);
    void Vid_Show_All_Enemy_Helper(bool on);
    void Vid_Show_All_Hero(bool on);
    void Vid_Show_All_Miss(bool on);
    void Vid_Show_All_Saveme(bool on);
    void Vid_Show_All_Shot(bool on);
    // The enemy in `column` (0: none) in pose 1 or the other pose.
    void Vid_Show_Enemy(int column, int pose);
    void Vid_Show_Enemy_Helper(int position);  // 0: none
    void Vid_Show_Hero(int column, bool on);
    void Vid_Show_Saveme(int column, int count);  // count figures left
    void Vid_Show_Panel_Score(int value, bool on);
    void Vid_Show_Panel_Miss(int count);

    // Digit place 1..5 shows the picture of a glyph holder, or nothing.
    void setDigit(int place, Ctl glyph);
    void clearDigit(int place);

  private:
    Face& face_;
};

}  // namespace zx
