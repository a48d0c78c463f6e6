// The five piezo-buzzer samples, synthesized: mono, 16-bit, 22050 Hz.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace zxa {

inline constexpr int kSampleRate = 22050;

// One tone of a sample: frequency in Hz (0 is a rest), length in milliseconds,
// and optionally the frequency it glides to by its end.
struct Tone {
    double hz;
    int ms;
    double toHz = 0;
};

// The samples of a tone sequence: a soft square wave like a piezo buzzer, each
// tone faded in and out over a few milliseconds so nothing clicks.
std::vector<qint16> synthesize(const std::vector<Tone>& tones, double volume = 0.45);

// A canonical 44-byte-header PCM WAV file of the samples.
QByteArray wavFile(const std::vector<qint16>& samples);

// Sound/Enemy.wav, Gameover.wav, Miss.wav, Shot.wav, Start.wav below dir.
void writeSounds(const QString& dir);

}  // namespace zxa
