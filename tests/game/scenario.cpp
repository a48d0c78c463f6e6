// The scenario player.
#include "tests/game/scenario.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "input/pad_input.h"
#include "tests/rig/device_rig.h"
#include "tests/rig/virtual_pads.h"

namespace zx::testing {

namespace {

const std::map<std::string, DeviceButton> kButtons = {{"GameA", DeviceButton::GameA},
                                                      {"GameB", DeviceButton::GameB},
                                                      {"Time", DeviceButton::Time},
                                                      {"Left", DeviceButton::Left},
                                                      {"Right", DeviceButton::Right},
                                                      {"ShootLeft", DeviceButton::ShootLeft},
                                                      {"ShootRight", DeviceButton::ShootRight}};

std::string joined(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words) out += (out.empty() ? "" : " ") + w;
    return out.empty() ? "-" : out;
}

class Player {
  public:
    std::vector<ScenarioFailure> failures;

    void play(const std::string& script) {
        rig_.soundOn();
        writesSeen_ = rig_.settings.writes.size();  // the key map's own writes
        std::istringstream in(script);
        std::string text;
        while (std::getline(in, text)) {
            ++line_;
            if (const auto hash = text.find('#'); hash != std::string::npos) text.resize(hash);
            std::istringstream words(text);
            std::vector<std::string> w;
            for (std::string s; words >> s;) w.push_back(s);
            if (!w.empty()) command(w);
            reportWrongRanges();
        }
        if (!rig_.random.script.empty())
            fail(std::to_string(rig_.random.script.size()) + " scripted draws were not used");
        if (!anyDraws_ && !rig_.random.unscripted.empty())
            fail("unscripted draws of next(" + std::to_string(rig_.random.unscripted.front()) +
                 ") and " + std::to_string(rig_.random.unscripted.size() - 1) + " more");
    }

  private:
    void fail(const std::string& message) { failures.push_back({line_, message}); }
    // A scripted draw taken by a draw of another range fails the line that ran it.
    void reportWrongRanges() {
        auto& wrong = rig_.random.wrongRanges;
        for (; wrongSeen_ < wrong.size(); ++wrongSeen_)
            fail("the draw " + wrong[wrongSeen_] + " at " +
                 std::to_string(rig_.dev.timers().now()) + " ms");
    }
    // "2/3": the draw of next(3) that gives 2.
    void addDraw(const std::string& word) {
        const auto slash = word.find('/');
        int value = -1, range = 0;
        if (slash != std::string::npos) {
            value = std::stoi(word.substr(0, slash));
            range = std::stoi(word.substr(slash + 1));
        }
        if (value < 0 || value >= range) {
            fail("a draw is value/range, the value below the range: " + word);
            return;
        }
        rig_.random.script.push_back({value, range});
    }
    void check(bool ok, const std::string& what, const std::string& got) {
        if (!ok)
            fail(what + ": got " + got + " at " + std::to_string(rig_.dev.timers().now()) + " ms");
    }

    int* intVar(const std::string& name) {
        GameState& g = rig_.game();
        const std::map<std::string, int*> vars = {{"Score", &g.Score},
                                                  {"HiScoreA", &g.HiScoreA},
                                                  {"HiScoreB", &g.HiScoreB},
                                                  {"MissCount", &g.MissCount},
                                                  {"HeroPosition", &g.HeroPosition},
                                                  {"ShotColumn", &g.ShotColumn},
                                                  {"EnemyColumn", &g.EnemyColumn},
                                                  {"EnemyHelperPosition", &g.EnemyHelperPosition},
                                                  {"EnemyStep", &g.EnemyStep},
                                                  {"ShotStep", &g.ShotStep}};
        const auto it = vars.find(name);
        return it == vars.end() ? nullptr : it->second;
    }
    bool* boolVar(const std::string& name) {
        GameState& g = rig_.game();
        DeviceState& d = DeviceProbe::state(rig_.dev);
        const std::map<std::string, bool*> vars = {{"HeroActive", &g.HeroActive},
                                                   {"ShotReady", &g.ShotReady},
                                                   {"KeyHeld", &d.KeyHeld},
                                                   {"DeviceSoundOn", &d.DeviceSoundOn}};
        const auto it = vars.find(name);
        return it == vars.end() ? nullptr : it->second;
    }

    void set(const std::string& name, const std::string& value) {
        GameState& g = rig_.game();
        if (name == "saveme" && value.size() == 3) {
            for (int c = 1; c <= 3; ++c) {
                g.SavemeCounts[std::size_t(c)] = value[std::size_t(c - 1)] - '0';
                DeviceProbe::vid(rig_.dev).Vid_Show_Saveme(c, g.SavemeCounts[std::size_t(c)]);
            }
        } else if (int* v = intVar(name)) {
            *v = std::stoi(value);
            if (name == "MissCount") DeviceProbe::vid(rig_.dev).Vid_Show_Panel_Miss(g.MissCount);
            if (name == "Score") DeviceProbe::vid(rig_.dev).Vid_Show_Panel_Score(g.Score, true);
        } else if (bool* b = boolVar(name)) {
            *b = value == "1";
        } else {
            fail("no variable " + name);
        }
    }

    void command(std::vector<std::string> w) {
        const std::string& verb = w[0];
        const std::string arg = w.size() > 1 ? w[1] : "";
        const std::vector<std::string> rest(w.begin() + std::min<std::size_t>(1, w.size()),
                                            w.end());
        if (verb == "at") {
            rig_.runTo(std::stoll(arg));
            if (w.size() > 2) command({w.begin() + 2, w.end()});
        } else if (verb == "draws") {
            if (arg == "any") anyDraws_ = true;
            for (const auto& v : rest)
                if (v != "any") addDraw(v);
        } else if (verb == "sound" && arg == "off") {
            DeviceProbe::snd(rig_.dev).Snd_Close();
        } else if (verb == "mode") {
            rig_.enter(std::stoi(arg));
        } else if (verb == "set" && w.size() == 3) {
            set(arg, w[2]);
        } else if (verb == "setting" && w.size() == 3) {
            rig_.settings.values[arg] = w[2];
        } else if ((verb == "press" || verb == "release") && kButtons.count(arg)) {
            verb == "press" ? rig_.press(kButtons.at(arg)) : rig_.release(kButtons.at(arg));
        } else if (verb == "pad" && w.size() >= 3) {
            padCommand(std::stoi(arg), {w.begin() + 2, w.end()});
        } else if (verb == "expect" && w.size() >= 2) {
            expect(arg, {w.begin() + 2, w.end()});
        } else {
            fail("cannot read this line");
        }
    }

    // Controllers start at the first "pad" line, with the settings' bindings then.
    void padCommand(int n, const std::vector<std::string>& v) {
        if (!pads_) {
            padInput_.emplace(loadPadBindings(rig_.settings), [this](DeviceButton b, bool down) {
                down ? rig_.press(b) : rig_.release(b);
            });
            pads_ = std::make_unique<VirtualPads>(*padInput_);
            if (!pads_->ok()) fail("SDL's game controllers did not start");
        }
        const auto button = v.size() == 2 ? padButtonOfName(v[1]) : std::nullopt;
        if (v[0] == "plug" && v.size() == 1) {
            if (!pads_->plug(n)) fail("controller " + std::to_string(n) + " was not attached");
        } else if (v[0] == "unplug" && v.size() == 1) {
            pads_->unplug(n);
        } else if ((v[0] == "press" || v[0] == "release") && button) {
            pads_->button(n, *button, v[0] == "press");
        } else if (v[0] == "stick" && v.size() == 2) {
            pads_->stick(n, std::stoi(v[1]));
        } else {
            fail("cannot read this controller line");
        }
    }

    void expect(const std::string& what, const std::vector<std::string>& v) {
        const std::string want = joined(v);
        if (what == "pads") {
            const int got = pads_ ? pads_->gamepads().connected() : 0;
            check(got == std::stoi(want), "pads " + want, std::to_string(got));
        } else if (what == "mode") {
            check(rig_.mode() == std::stoi(want), "mode " + want, std::to_string(rig_.mode()));
        } else if (what == "lcd") {
            const std::string diff = lcdMismatch(rig_.dev.face(), want);
            check(diff.empty(), "lcd", diff);
        } else if (what == "var" && v.size() == 2) {
            std::string got;
            if (int* i = intVar(v[0])) got = std::to_string(*i);
            if (bool* b = boolVar(v[0])) got = *b ? "1" : "0";
            check(got == v[1], v[0] + " " + v[1], got.empty() ? "no such variable" : got);
        } else if (what == "timers") {
            std::vector<std::string> on;
            for (int i = 0; i < kTimerCount; ++i)
                if (rig_.dev.timers()[TimerId(i)].enabled())
                    on.push_back(std::string(timerName(TimerId(i)).substr(6)));  // "Timer_"
            std::sort(on.begin(), on.end());
            std::vector<std::string> sortedWant = want == "-" ? std::vector<std::string>{} : v;
            std::sort(sortedWant.begin(), sortedWant.end());
            check(on == sortedWant, "timers " + want, joined(on));
        } else if (what == "sounds") {
            const std::string got = joined(rig_.takePlays());
            check(got == want, "sounds " + want, got);
        } else if (what == "writes") {
            const auto& all = rig_.settings.writes;
            const std::string got = joined({all.begin() + std::ptrdiff_t(writesSeen_), all.end()});
            writesSeen_ = all.size();
            check(got == want, "writes " + want, got);
        } else if (what == "setting" && v.size() == 2) {
            const auto text = rig_.settings.readText(v[0]);
            check(text.value_or("-") == v[1], "setting " + joined(v), text.value_or("-"));
        } else if (what == "next" && v.size() == 2) {
            std::string got = "unknown timer";
            for (int i = 0; i < kTimerCount; ++i) {
                const Timer& t = rig_.dev.timers()[TimerId(i)];
                if (timerName(TimerId(i)).substr(6) == v[0])
                    got = t.enabled() ? std::to_string(t.deadline()) : "disabled";
            }
            check(got == v[1], "next " + joined(v), got);
        } else {
            fail("cannot read this expectation");
        }
    }

    Rig rig_;
    std::optional<PadInput> padInput_;
    std::unique_ptr<VirtualPads> pads_;  // after the input it feeds, so it goes first
    int line_ = 0;
    bool anyDraws_ = false;
    std::size_t writesSeen_ = 0;
    std::size_t wrongSeen_ = 0;
};

}  // namespace

std::vector<ScenarioFailure> runScenario(const std::string& script) {
    Player p;
    p.play(script);
    return p.failures;
}

}  // namespace zx::testing
