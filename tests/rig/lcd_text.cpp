// Reading the face as text.
#include "tests/rig/lcd_text.h"

#include <memory>
#include <sstream>

#include "display/display.h"

namespace zx::testing {

namespace {

std::string orDash(const std::string& s) { return s.empty() ? "-" : s; }

std::string listJoin(const std::string& a, const std::string& b) {
    return a.empty() ? b : a + "," + b;
}

std::string columnsLit(const Face& f, Ctl (*segment)(int)) {
    std::string out;
    for (int c = 1; c <= 3; ++c)
        if (f[segment(c)].visible) out += char('0' + c);
    return out;
}

std::string digits(const Face& f) {
    std::string out;
    for (int place = 1; place <= 5; ++place) {
        const PictureRef& p = f[seg::digitSlot(place)].picture;
        std::string c = "_";
        for (int d = 0; d <= 9 && p; ++d) {
            if (p == f[seg::bigGlyph(d)].picture) c = std::string(1, char('0' + d));
            if (p == f[seg::smallGlyph(d)].picture) c = "s" + std::string(1, char('0' + d));
        }
        out += c;
    }
    return out;
}

struct Named {
    Ctl ctl;
    const char* name;
};
constexpr Named kIcons[] = {{Ctl::im_panel_game_a, "game_a"}, {Ctl::im_panel_game_b, "game_b"},
                            {Ctl::im_panel_time_1, "time_1"}, {Ctl::im_panel_time_2, "time_2"},
                            {Ctl::im_panel_alarm, "alarm"},   {Ctl::im_panel_date, "date"},
                            {Ctl::im_panel_chrono, "chrono"}, {Ctl::im_panel_bell, "bell"},
                            {Ctl::im_panel_sound, "sound"},   {Ctl::im_panel_time_am, "am"},
                            {Ctl::im_panel_time_pm, "pm"},    {Ctl::im_panel_time_colon, "colon"}};
constexpr Named kPressed[] = {{Ctl::btn_game_a_down, "game_a"},
                              {Ctl::btn_game_b_down, "game_b"},
                              {Ctl::btn_time_down, "time"},
                              {Ctl::btn_left_down, "left"},
                              {Ctl::btn_right_down, "right"},
                              {Ctl::btn_shoot_left_down, "shoot_left"},
                              {Ctl::btn_shoot_right_down, "shoot_right"}};

std::string namesLit(const Face& f, const Named* begin, const Named* end) {
    std::string out;
    for (const Named* n = begin; n != end; ++n)
        if (f[n->ctl].visible) out = listJoin(out, n->name);
    return out;
}

}  // namespace

std::map<std::string, std::string> lcdFields(const Face& f) {
    std::map<std::string, std::string> out;
    out["hero"] = orDash(columnsLit(f, seg::hero));
    out["helper"] = orDash(columnsLit(f, seg::enemyHelper));
    std::string enemy, shot, saveme, miss, marks;
    for (int c = 1; c <= 3; ++c) {
        std::string frames;
        for (int fr = 1; fr <= 3; ++fr)
            if (f[seg::enemy(c, fr)].visible) frames += char('0' + fr);
        if (!frames.empty()) enemy = listJoin(enemy, std::to_string(c) + "/" + frames);
        for (int row = 1; row <= 4; ++row)
            if (f[seg::shot(c, row)].visible)
                shot = listJoin(shot, std::to_string(c) + "/" + std::to_string(row));
        int lit = 0;
        bool prefix = true;
        for (int k = 1; k <= 3; ++k) {
            if (f[seg::saveme(c, k)].visible) {
                prefix = prefix && lit == k - 1;
                ++lit;
            }
        }
        saveme += prefix ? char('0' + lit) : '?';
    }
    for (int fr = 1; fr <= 5; ++fr)
        if (f[seg::miss(fr)].visible) miss += char('0' + fr);
    int markCount = 0;
    for (int i = 1; i <= 3; ++i) markCount += f[seg::panelMissMark(i)].visible;
    out["enemy"] = orDash(enemy);
    out["shot"] = orDash(shot);
    out["saveme"] = saveme;
    out["miss"] = orDash(miss);
    out["marks"] = std::to_string(markCount);
    out["digits"] = digits(f);
    out["icons"] = orDash(namesLit(f, std::begin(kIcons), std::end(kIcons)));
    out["pressed"] = orDash(namesLit(f, std::begin(kPressed), std::end(kPressed)));
    return out;
}

std::string lcdText(const Face& face) {
    std::string out;
    for (const auto& [k, v] : lcdFields(face)) out += (out.empty() ? "" : " ") + k + "=" + v;
    return out;
}

std::string lcdMismatch(const Face& face, const std::string& expected) {
    const auto fields = lcdFields(face);
    std::istringstream in(expected);
    std::string item, out;
    while (in >> item) {
        const auto eq = item.find('=');
        const std::string key = item.substr(0, eq);
        const std::string want = eq == std::string::npos ? "" : item.substr(eq + 1);
        const auto it = fields.find(key);
        const std::string got = it == fields.end() ? "(no such field)" : it->second;
        if (got != want)
            out += (out.empty() ? "" : ", ") + key + "=" + got + " (expected " + want + ")";
    }
    return out;
}

void giveGlyphsPictures(Face& face) {
    for (int d = 0; d <= 9; ++d) {
        face.setPicture(seg::bigGlyph(d), std::make_shared<Picture>());
        face.setPicture(seg::smallGlyph(d), std::make_shared<Picture>());
    }
}

}  // namespace zx::testing
