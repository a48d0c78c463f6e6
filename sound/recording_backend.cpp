// The recording sound back end.
#include "sound/recording_backend.h"

namespace zx {

bool RecordingSoundBackend::open(OutputKind kind) {
    calls.push_back(std::string("open(") + outputKindName(kind) + ")");
    return openResult;
}

SampleHandle RecordingSoundBackend::load(const std::string& path) {
    calls.push_back("load(" + path + ")");
    if (failingLoads.count(path)) return nullptr;
    loaded_.push_back({path, true});
    return reinterpret_cast<SampleHandle>(&loaded_.back());
}

bool RecordingSoundBackend::play(SampleHandle sample) {
    calls.push_back("play(" + nameOf(sample) + ")");
    const int i = indexOf(sample);
    return i >= 0 && loaded_[i].live;
}

bool RecordingSoundBackend::stopAll() {
    calls.push_back("stopAll()");
    return true;
}

void RecordingSoundBackend::free(SampleHandle sample) {
    calls.push_back("free(" + nameOf(sample) + ")");
    if (const int i = indexOf(sample); i >= 0) loaded_[i].live = false;
}

void RecordingSoundBackend::close() { calls.push_back("close()"); }

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
