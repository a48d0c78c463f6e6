// The recording sound back end.
#include "sound/recording_backend.h"

#include <cstdio>

namespace zx {

namespace {
std::string hex(unsigned value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%x", value);
    return buf;
}
}  // namespace

bool RecordingSoundBackend::FSOUND_SetOutput(int outputType) {
    calls.push_back("FSOUND_SetOutput(" + std::to_string(outputType) + ")");
    return setOutputResult;
}

bool RecordingSoundBackend::FSOUND_Init(int mixRate, int maxChannels, unsigned flags) {
    calls.push_back("FSOUND_Init(" + std::to_string(mixRate) + ", " + std::to_string(maxChannels) +
                    ", " + std::to_string(flags) + ")");
    return initResult;
}

SampleHandle RecordingSoundBackend::FSOUND_Sample_Load(int index, const std::string& path,
                                                       unsigned mode, int offset, int length) {
    calls.push_back("FSOUND_Sample_Load(" + std::to_string(index) + ", " + path + ", " + hex(mode) +
                    ", " + std::to_string(offset) + ", " + std::to_string(length) + ")");
    if (failingLoads.count(path)) return nullptr;
    loaded_.push_back({path, true});
    return reinterpret_cast<SampleHandle>(&loaded_.back());
}

int RecordingSoundBackend::FSOUND_PlaySound(int channel, SampleHandle sample) {
    calls.push_back("FSOUND_PlaySound(" + std::to_string(channel) + ", " + nameOf(sample) + ")");
    const int i = indexOf(sample);
    return i >= 0 && loaded_[i].live ? nextChannel_++ : -1;
}

bool RecordingSoundBackend::FSOUND_StopSound(int channel) {
    calls.push_back("FSOUND_StopSound(" + std::to_string(channel) + ")");
    return true;
}

void RecordingSoundBackend::FSOUND_Sample_Free(SampleHandle sample) {
    calls.push_back("FSOUND_Sample_Free(" + nameOf(sample) + ")");
    if (const int i = indexOf(sample); i >= 0) loaded_[i].live = false;
}

void RecordingSoundBackend::FSOUND_Close() { calls.push_back("FSOUND_Close()"); }

int RecordingSoundBackend::liveSamples() const {
    int n = 0;
    for (const Loaded& s : loaded_) n += s.live ? 1 : 0;
    return n;
}

int RecordingSoundBackend::indexOf(SampleHandle sample) const {
    for (size_t i = 0; i < loaded_.size(); ++i) {
        if (static_cast<const void*>(&loaded_[i]) == static_cast<const void*>(sample))
            return int(i);
    }
    return -1;
}

std::string RecordingSoundBackend::nameOf(SampleHandle sample) const {
    if (!sample) return "null";
    const int i = indexOf(sample);
    if (i < 0) return "unknown";
    return loaded_[i].live ? loaded_[i].path : loaded_[i].path + " (released)";
}

}  // namespace zx
