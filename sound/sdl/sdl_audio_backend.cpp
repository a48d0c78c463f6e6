// SDL's audio output with our own voices; samples checked before SDL sees them.
#include "sound/sdl/sdl_audio_backend.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "config/player_file.h"
#include "sound/sdl/sdl_audio_api.h"
#include "sound/wav_header.h"

namespace zx {

namespace {
// Mono, signed 16-bit: the device has one speaker and the samples are mono.
// 1024 frames at 22050 Hz is about 46 ms, short enough for a shot and long
// enough not to underrun on a busy machine.
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr int kOutputChannels = 1;
constexpr int kFrameBytes = 2 * kOutputChannels;
constexpr int kBufferFrames = 1024;
// Samples are measured for length as if for stereo: SDL's conversion of a long
// mono sample takes several times its converted size while it runs (a 3 MB
// 8-bit 8 kHz file peaks at 120 MB), and stereo's limit keeps that under 64 MB.
constexpr int kLengthCheckChannels = 2;
}  // namespace

const char* sdlAudioDriverFor(OutputKind kind) {
#if defined(_WIN32)
    if (kind == OutputKind::SystemDefault) return "directsound";
    if (kind == OutputKind::Plain) return "winmm";
#elif defined(__linux__)
    if (kind == OutputKind::Plain) return "alsa";
#else
    (void)kind;
#endif
    return nullptr;
}

// A loaded sample: its checked file and where in it the sound is. A file in
// the output's own format plays from there; any other is converted when the
// output starts, and its file then goes.
struct SdlAudioBackend::Sample {
    std::string file;
    std::vector<std::uint8_t> converted;
    std::size_t offset = 0, bytes = 0;  // the sound within the file
    bool ready = false;                 // in the output's format

    const std::uint8_t* sound() const {
        return converted.empty() ? reinterpret_cast<const std::uint8_t*>(file.data()) + offset
                                 : converted.data();
    }
    // Nothing to play until it is in the output's format (a failed
    // conversion leaves it silent).
    std::size_t soundBytes() const {
        return !ready ? 0 : converted.empty() ? bytes : converted.size();
    }
};

SdlAudioBackend::SdlAudioBackend(std::string sampleDir) : sampleDir_(std::move(sampleDir)) {}

SdlAudioBackend::~SdlAudioBackend() { close(); }

bool SdlAudioBackend::open(OutputKind kind) {
    if (open_) return true;
    if (kind == OutputKind::None) return false;
    kind_ = kind;
    voices_.setVoiceCount(kVoices);
    open_ = true;
    return held_ || start();
}

void SdlAudioBackend::releaseOutput() {
    held_ = false;
    if (open_) start();
}

bool SdlAudioBackend::start() {
    // Tried once per init: a missing library or driver is not retried at
    // every sound.
    if (startTried_) return started_;
    startTried_ = true;
    if (!sdlAudioApi()) return false;
    if (!initDriver(sdlAudioDriverFor(kind_), false)) {
        // No usable sound device: run silently rather than lose the samples.
        if (!initDriver("dummy", true)) return false;
        fallback_ = true;
    }
    started_ = true;
    for (auto& entry : samples_) convert(*entry.second);
    sdlAudioApi()->PauseAudioDevice(device_, 0);
    armQuietTimer();
    return true;
}

bool SdlAudioBackend::initDriver(const char* driver, bool overrideEnvironment) {
    const SdlAudioApi& sdl = *sdlAudioApi();
    // SDL picks its driver from this hint at init. A normal-priority hint
    // yields to SDL_AUDIODRIVER in the environment, which stays the user's
    // way to force a driver; the silent fallback overrides even that.
    if (driver) {
        sdl.SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver,
                                overrideEnvironment ? SDL_HINT_OVERRIDE : SDL_HINT_NORMAL);
    }
    // The program handles its quit signals itself; SDL's handlers would only
    // queue a quit event that nobody reads.
    sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    const bool initialised = sdl.InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (driver) sdl.ResetHint(SDL_HINT_AUDIODRIVER);
    if (!initialised) return false;
    if (openDevice()) return true;
    sdl.QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

bool SdlAudioBackend::openDevice() {
    const SdlAudioApi& sdl = *sdlAudioApi();
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = kFormat;
    want.channels = kOutputChannels;
    want.samples = kBufferFrames;
    want.callback = &SdlAudioBackend::mixCallback;
    want.userdata = this;
    // No changes allowed: SDL converts for a device that wants another
    // format, so the samples keep theirs across a reopen.
    // It opens paused: whoever opens it lets it run.
    device_ = sdl.OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    return device_ != 0;
}

void SdlAudioBackend::mixCallback(void* self, std::uint8_t* stream, int bytes) {
    auto& backend = *static_cast<SdlAudioBackend*>(self);
    backend.voices_.mix(stream, std::size_t(bytes), sdlAudioApi()->MixAudioFormat, kFormat,
                        kFrameBytes);
}

bool SdlAudioBackend::convert(Sample& sample) const {
    if (sample.ready) return true;
    // The header was checked at the load; SDL decodes it from memory.
    const SdlAudioApi& sdl = *sdlAudioApi();
    const std::string file = std::move(sample.file);
    sample.file.clear();
    SDL_AudioSpec wav{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!sdl.LoadWAV_RW(sdl.RWFromConstMem(file.data(), int(file.size())), 1, &wav, &data, &length))
        return false;
    SDL_AudioCVT cvt{};
    const int needed = sdl.BuildAudioCVT(&cvt, wav.format, wav.channels, wav.freq, kFormat,
                                         kOutputChannels, kMixRate);
    bool ok = needed >= 0;
    if (ok) {
        std::vector<std::uint8_t>& out = sample.converted;
        out.assign(std::size_t(length) * std::size_t(needed ? cvt.len_mult : 1), 0);
        std::memcpy(out.data(), data, length);
        if (needed) {
            cvt.buf = out.data();
            cvt.len = int(length);
            ok = sdl.ConvertAudio(&cvt) == 0;
            out.resize(ok ? std::size_t(cvt.len_cvt) : 0);
        }
        out.shrink_to_fit();
    }
    sdl.FreeWAV(data);
    sample.ready = ok && !sample.converted.empty();
    return sample.ready;
}

bool SdlAudioBackend::suspendIfQuiet() {
    if (!device_) return true;
    if (playingVoices() > 0) {
        armQuietTimer();
        return false;
    }
    sdlAudioApi()->CloseAudioDevice(device_);
    device_ = 0;
    return true;
}

void SdlAudioBackend::armQuietTimer() {
    // Only with an event loop to run it; without one the device stays open.
    if (!QCoreApplication::instance()) return;
    if (!quietTimer_) {
        quietTimer_ = std::make_unique<QTimer>();
        quietTimer_->setSingleShot(true);
        quietTimer_->setTimerType(Qt::CoarseTimer);
        QObject::connect(quietTimer_.get(), &QTimer::timeout, [this] { suspendIfQuiet(); });
    }
    quietTimer_->start(kQuietSpellMs);
}

std::string SdlAudioBackend::resolve(const std::string& path) const {
    if (sampleDir_.empty() || std::filesystem::path(path).is_absolute()) return path;
    return (std::filesystem::path(sampleDir_) / path).string();
}

SdlAudioBackend::Sample* SdlAudioBackend::find(SampleHandle handle) const {
    const auto it = samples_.find(handle);
    return it == samples_.end() ? nullptr : it->second.get();
}

SampleHandle SdlAudioBackend::load(const std::string& path) {
    if (!open_) return nullptr;
    // Only a regular file within the limit, read without blocking, and only
    // the bytes its checked header accounts for ever reach SDL.
    FileBytes file = readPlayerFile(resolve(path), kMaxSampleFileBytes);
    if (!file.ok()) return nullptr;
    const WavHeader header =
        checkWavHeader(reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size(),
                       {kMixRate, kLengthCheckChannels});
    if (!header.ok) return nullptr;
    file.bytes.resize(header.usedBytes);
    auto sample = std::make_unique<Sample>();
    sample->file = std::move(file.bytes);
    // The usual case, 16-bit mono at the output's rate, needs no conversion.
    sample->ready = kFormat == AUDIO_S16LSB && header.formatTag == 1 && header.bits == 16 &&
                    header.channels == kOutputChannels && header.rate == kMixRate;
    sample->offset = header.dataOffset;
    sample->bytes = header.dataBytes;
    // Once the output runs, a sample SDL cannot decode is no sample at all.
    if (started_ && !convert(*sample)) return nullptr;
    const auto handle = reinterpret_cast<SampleHandle>(sample.get());
    samples_.emplace(handle, std::move(sample));
    return handle;
}

bool SdlAudioBackend::play(SampleHandle sample) {
    const Sample* s = find(sample);
    if (!open_ || !s) return false;
    if (!start()) return false;
    // A device closed for quiet reopens paused and runs once the voice is
    // set, so that its first buffer already carries the sound.
    const bool reopened = !device_;
    if (reopened && !openDevice()) return false;
    armQuietTimer();
    const SdlAudioApi& sdl = *sdlAudioApi();
    sdl.LockAudioDevice(device_);
    const int voice = voices_.start(-1, s, s->sound(), s->soundBytes());
    sdl.UnlockAudioDevice(device_);
    if (reopened) sdl.PauseAudioDevice(device_, 0);
    return voice >= 0;
}

bool SdlAudioBackend::stopAll() {
    if (!open_) return false;
    // A closed output plays nothing, so there is nothing to stop.
    if (!device_) return true;
    const SdlAudioApi& sdl = *sdlAudioApi();
    sdl.LockAudioDevice(device_);
    voices_.stopAll();
    sdl.UnlockAudioDevice(device_);
    return true;
}

void SdlAudioBackend::free(SampleHandle sample) {
    // Only samples this back end handed out and still holds are freed.
    const auto it = samples_.find(sample);
    if (it == samples_.end()) return;
    if (device_) {
        const SdlAudioApi& sdl = *sdlAudioApi();
        sdl.LockAudioDevice(device_);
        voices_.stopOwner(it->second.get());
        sdl.UnlockAudioDevice(device_);
    }
    samples_.erase(it);
}

void SdlAudioBackend::close() {
    if (quietTimer_) quietTimer_->stop();
    // The device's thread stops before the samples it reads go.
    if (device_) sdlAudioApi()->CloseAudioDevice(device_);
    if (started_) sdlAudioApi()->QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
    samples_.clear();
    voices_.stopAll();
    open_ = held_ = startTried_ = started_ = fallback_ = false;
}

std::string SdlAudioBackend::currentDriver() const {
    if (!started_) return {};
    const char* name = sdlAudioApi()->GetCurrentAudioDriver();
    return name ? name : "";
}

int SdlAudioBackend::playingVoices() const {
    if (!device_) return voices_.playing();
    const SdlAudioApi& sdl = *sdlAudioApi();
    sdl.LockAudioDevice(device_);
    const int n = voices_.playing();
    sdl.UnlockAudioDevice(device_);
    return n;
}

}  // namespace zx
