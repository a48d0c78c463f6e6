// The voices of the sound output: which sample each one plays and how far it
// has got, and the mixing of them all into one output buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zx {

// Adds len bytes of src to dst in the output's sample format, at a volume of
// 0 to 128 (SDL_MixAudioFormat's signature).
using MixFunction = void (*)(std::uint8_t* dst, const std::uint8_t* src, std::uint16_t format,
                             std::uint32_t len, int volume);

// Not thread-safe: the owner holds the output's lock around every call while
// the output's thread may be mixing.
class VoiceMixer {
  public:
    static constexpr int kFullVolume = 128;

    explicit VoiceMixer(int voices = 0) { setVoiceCount(voices); }

    // Drops every voice and makes room for count of them.
    void setVoiceCount(int count);
    int voiceCount() const { return int(voices_.size()); }

    // Starts bytes of data (in the output's format) on voice (any free one
    // when -1; a busy voice starts over). owner names the sample, for
    // stopOwner(). Returns the voice, or -1 when voice is out of range, none
    // is free, or there is nothing to play.
    int start(int voice, const void* owner, const std::uint8_t* data, std::size_t bytes);
    void stop(int voice);
    void stopAll();
    // Stops every voice playing this owner's data, before that data goes.
    void stopOwner(const void* owner);
    int playing() const;

    // Fills stream with silence (zero bytes) and adds every playing voice;
    // a voice whose data ends is freed. frameBytes keeps each addition whole
    // frames long.
    void mix(std::uint8_t* stream, std::size_t bytes, MixFunction add, std::uint16_t format,
             std::size_t frameBytes);

  private:
    struct Voice {
        const void* owner = nullptr;
        const std::uint8_t* data = nullptr;
        std::size_t bytes = 0;
        std::size_t at = 0;
        bool busy() const { return data != nullptr; }
    };
    std::vector<Voice> voices_;
};

}  // namespace zx
