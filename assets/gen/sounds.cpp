// Piezo-style samples: band-limited square waves with short fades, written as PCM WAV.
#include "sounds.h"

#include <cmath>

#include "asset_io.h"

namespace zxa {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFadeMs = 4.0;

// A square wave built from its odd harmonics below 9 kHz: the buzzer's bright edge
// without the aliasing whistle a naive square would fold back at 22050 Hz.
double square(double phase, double hz) {
    double v = 0;
    for (int k = 1; k * hz < 9000.0; k += 2) v += std::sin(k * phase) / k;
    return v * 4 / kPi;
}

void put16(QByteArray& b, quint16 v) { b.append(char(v & 0xff)).append(char(v >> 8)); }
void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}

// Notes of the tempered scale by name offset from A4.
double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

}  // namespace

std::vector<qint16> synthesize(const std::vector<Tone>& tones, double volume) {
    std::vector<qint16> out;
    double phase = 0;
    for (const Tone& t : tones) {
        const int n = t.ms * kSampleRate / 1000;
        const int fade = int(kFadeMs * kSampleRate / 1000);
        for (int i = 0; i < n; ++i) {
            double v = 0;
            if (t.hz > 0) {
                const double hz = t.toHz > 0 ? t.hz + (t.toHz - t.hz) * i / n : t.hz;
                phase += 2 * kPi * hz / kSampleRate;
                v = square(phase, hz);
            }
            const double env = std::min({1.0, double(i) / fade, double(n - 1 - i) / fade});
            out.push_back(qint16(std::lround(32767 * volume * env * v / 1.2)));
        }
        phase = 0;  // each tone starts at a zero crossing
    }
    return out;
}

QByteArray wavFile(const std::vector<qint16>& samples) {
    const quint32 data = quint32(samples.size() * 2);
    QByteArray b;
    b.append("RIFF");
    put32(b, 36 + data);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, kSampleRate);
    put32(b, kSampleRate * 2);
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, data);
    for (qint16 s : samples) put16(b, quint16(s));
    return b;
}

void writeSounds(const QString& dir) {
    const double C5 = note(3), D5 = note(5), E5 = note(7), F5 = note(8), G5 = note(10),
                 A5 = note(12), C6 = note(15), E6 = note(19), G4 = note(-2), C4 = note(-9),
                 E4 = note(-5);
    const struct {
        const char* name;
        std::vector<Tone> tones;
    } samples[] = {
        // One short blip per enemy step; it may sound again 80 ms later.
        {"Enemy", {{1320, 28}, {990, 22}}},
        // A rising zap, well under the 80 ms a shot row takes in game B.
        {"Shot", {{1400, 45, 3400}}},
        // A falling two-note buzz, repeated through the miss animation.
        {"Miss", {{523, 90}, {0, 20}, {392, 130}}},
        // The start fanfare: over well before the game begins 3 s later.
        {"Start",
         {{C5, 130},
          {0, 20},
          {E5, 130},
          {0, 20},
          {G5, 130},
          {0, 20},
          {C6, 260},
          {0, 60},
          {A5, 130},
          {0, 20},
          {C6, 130},
          {0, 20},
          {E6, 420}}},
        // The game-over tune, falling to the low C within 2.5 s.
        {"Gameover",
         {{G5, 180},
          {0, 30},
          {F5, 180},
          {0, 30},
          {E5, 180},
          {0, 30},
          {D5, 180},
          {0, 30},
          {C5, 240},
          {0, 60},
          {G4, 240},
          {0, 60},
          {E4, 160},
          {C4, 500}}},
    };
    for (const auto& s : samples)
        saveBytes(wavFile(synthesize(s.tones)), dir + "/Sound/" + s.name + ".wav");
}

}  // namespace zxa
