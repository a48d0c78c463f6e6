// Voice bookkeeping and the mixing pass of the sound output.
#include "sound/voice_mixer.h"

#include <algorithm>
#include <cstring>

namespace zx {

void VoiceMixer::setVoiceCount(int count) { voices_.assign(std::size_t(std::max(count, 0)), {}); }

int VoiceMixer::start(int voice, const void* owner, const std::uint8_t* data, std::size_t bytes) {
    if (!data || bytes == 0) return -1;
    if (voice == -1) {
        const auto free =
            std::find_if(voices_.begin(), voices_.end(), [](const Voice& v) { return !v.busy(); });
        if (free == voices_.end()) return -1;
        voice = int(free - voices_.begin());
    }
    if (voice < 0 || voice >= voiceCount()) return -1;
    voices_[std::size_t(voice)] = {owner, data, bytes, 0};
    return voice;
}

void VoiceMixer::stop(int voice) {
    if (voice >= 0 && voice < voiceCount()) voices_[std::size_t(voice)] = {};
}

void VoiceMixer::stopAll() { std::fill(voices_.begin(), voices_.end(), Voice{}); }

void VoiceMixer::stopOwner(const void* owner) {
    for (Voice& v : voices_)
        if (v.owner == owner) v = {};
}

int VoiceMixer::playing() const {
    return int(
        std::count_if(voices_.begin(), voices_.end(), [](const Voice& v) { return v.busy(); }));
}

void VoiceMixer::mix(std::uint8_t* stream, std::size_t bytes, MixFunction add, std::uint16_t format,
                     std::size_t frameBytes) {
    std::memset(stream, 0, bytes);
    frameBytes = std::max<std::size_t>(frameBytes, 1);
    for (Voice& v : voices_) {
        if (!v.busy()) continue;
        std::size_t n = std::min(bytes, v.bytes - v.at);
        n -= n % frameBytes;
        if (n > 0) add(stream, v.data + v.at, format, std::uint32_t(n), kFullVolume);
        v.at += n;
        // A tail shorter than a frame cannot sound: the voice ends with it.
        if (v.bytes - v.at < frameBytes) v = {};
    }
}

}  // namespace zx
