// The SDL2_mixer sound back end, with the output closed while quiet.
#include "sound/sdl_mixer_backend.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <utility>

#include "config/player_file.h"
#include "sound/sdl_api.h"
#include "sound/wav_header.h"

namespace zx {

namespace {
// Stereo at the requested rate; 1024 frames at 22050 Hz is about 46 ms,
// short enough for a shot and long enough not to underrun on a busy machine.
constexpr int kOutputChannels = 2;
constexpr int kChunkFrames = 1024;

Mix_Chunk* chunkOf(SampleHandle h) { return reinterpret_cast<Mix_Chunk*>(h); }
SampleHandle handleOf(Mix_Chunk* c) { return reinterpret_cast<SampleHandle>(c); }
}  // namespace

const char* sdlAudioDriverFor(int outputType) {
#if defined(_WIN32)
    if (outputType == fsound::kOutputDirectSound) return "directsound";
    if (outputType == fsound::kOutputWinMM) return "winmm";
#elif defined(__linux__)
    if (outputType == fsound::kOutputWinMM) return "alsa";
#else
    (void)outputType;
#endif
    return nullptr;
}

SdlMixerBackend::SdlMixerBackend(std::string sampleDir) : sampleDir_(std::move(sampleDir)) {}

SdlMixerBackend::~SdlMixerBackend() { FSOUND_Close(); }

bool SdlMixerBackend::FSOUND_SetOutput(int outputType) {
    if (outputType != fsound::kOutputDirectSound && outputType != fsound::kOutputWinMM)
        return false;
    outputType_ = outputType;
    return true;
}

bool SdlMixerBackend::FSOUND_Init(int mixRate, int maxChannels, unsigned /*flags*/) {
    if (open_) return true;
    if (mixRate <= 0 || maxChannels <= 0 || !sdlApi()) return false;
    if (openWith(sdlAudioDriverFor(outputType_), false, mixRate, maxChannels)) return true;
    // No usable sound device: run silently rather than lose the samples.
    fallback_ = openWith("dummy", true, mixRate, maxChannels);
    return fallback_;
}

bool SdlMixerBackend::openWith(const char* driver, bool overrideEnvironment, int mixRate,
                               int maxChannels) {
    const SdlApi& sdl = *sdlApi();
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
    audioInit_ = true;
    mixRate_ = mixRate;
    channels_ = maxChannels;
    if (!openDevice()) {
        sdl.QuitSubSystem(SDL_INIT_AUDIO);
        audioInit_ = false;
        return false;
    }
    open_ = true;
    int rate = 0, outChannels = 0;
    Uint16 format = 0;
    sdl.QuerySpec(&rate, &format, &outChannels);
    specRate_ = rate, specFormat_ = format, specChannels_ = outChannels;
    armQuietTimer();
    return true;
}

bool SdlMixerBackend::openDevice() {
    const SdlApi& sdl = *sdlApi();
    if (sdl.OpenAudio(mixRate_, MIX_DEFAULT_FORMAT, kOutputChannels, kChunkFrames) != 0)
        return false;
    deviceOpen_ = true;
    // The open resets the channel count, so it is set afterwards.
    channels_ = sdl.AllocateChannels(channels_);
    return true;
}

bool SdlMixerBackend::suspendIfQuiet() {
    if (!deviceOpen_) return true;
    const SdlApi& sdl = *sdlApi();
    if (sdl.Playing(-1) > 0) {
        armQuietTimer();
        return false;
    }
    // The chunks are plain buffers in the output's format and outlive the close.
    sdl.CloseAudio();
    deviceOpen_ = false;
    return true;
}

bool SdlMixerBackend::resume() {
    if (deviceOpen_) return true;
    if (!openDevice()) return false;
    const SdlApi& sdl = *sdlApi();
    int rate = 0, outChannels = 0;
    Uint16 format = 0;
    sdl.QuerySpec(&rate, &format, &outChannels);
    if (rate != specRate_ || format != specFormat_ || outChannels != specChannels_) {
        // The device came back in another format: the samples are converted
        // again, in place, so that their handles stay valid.
        specRate_ = rate, specFormat_ = format, specChannels_ = outChannels;
        for (const auto& [handle, path] : chunks_) {
            Mix_Chunk* fresh = loadChecked(path);
            if (!fresh) continue;
            std::swap(*chunkOf(handle), *fresh);
            sdl.FreeChunk(fresh);
        }
    }
    return true;
}

void SdlMixerBackend::armQuietTimer() {
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

std::string SdlMixerBackend::resolve(const std::string& path) const {
    if (sampleDir_.empty() || std::filesystem::path(path).is_absolute()) return path;
    return (std::filesystem::path(sampleDir_) / path).string();
}

Mix_Chunk* SdlMixerBackend::loadChecked(const std::string& path) const {
    // SDL_mixer trusts a WAV's declared lengths and blocks on a FIFO: it is
    // given only the checked bytes of a regular file, from memory.
    const FileBytes file = readPlayerFile(resolve(path), kMaxSampleFileBytes);
    if (!file.ok()) return nullptr;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
    const WavHeader header =
        checkWavHeader(bytes, file.bytes.size(), {specRate_, std::max(specChannels_, 1)});
    if (!header.ok) return nullptr;
    const SdlApi& sdl = *sdlApi();
    // The mixer copies the samples out before the call returns.
    return sdl.LoadWAV_RW(sdl.RWFromConstMem(bytes, int(header.usedBytes)), 1);
}

SampleHandle SdlMixerBackend::FSOUND_Sample_Load(int /*index*/, const std::string& path,
                                                 unsigned /*mode*/, int /*offset*/,
                                                 int /*length*/) {
    // Every load reads the whole file as a plain sample; the mixer converts
    // it for the output, so the output must be open.
    if (!open_ || !resume()) return nullptr;
    Mix_Chunk* chunk = loadChecked(path);
    if (!chunk) return nullptr;
    chunks_.emplace(handleOf(chunk), path);
    return handleOf(chunk);
}

int SdlMixerBackend::FSOUND_PlaySound(int channel, SampleHandle sample) {
    if (!open_ || !chunks_.count(sample)) return -1;
    if (channel != fsound::kFreeChannel && (channel < 0 || channel >= channels_)) return -1;
    if (!resume()) return -1;
    armQuietTimer();
    return sdlApi()->PlayChannelTimed(channel, chunkOf(sample), 0, -1);
}

bool SdlMixerBackend::FSOUND_StopSound(int channel) {
    if (!open_) return false;
    if (channel != fsound::kAllChannels && (channel < 0 || channel >= channels_)) return false;
    // A closed output plays nothing, so there is nothing to stop.
    if (deviceOpen_) sdlApi()->HaltChannel(channel == fsound::kAllChannels ? -1 : channel);
    return true;
}

void SdlMixerBackend::FSOUND_Sample_Free(SampleHandle sample) {
    // Only chunks this back end handed out and still holds are freed.
    if (chunks_.erase(sample) == 0) return;
    sdlApi()->FreeChunk(chunkOf(sample));
}

void SdlMixerBackend::FSOUND_Close() {
    if (quietTimer_) quietTimer_->stop();
    if (!sdlApiLoaded()) return;  // nothing was ever opened
    const SdlApi& sdl = *sdlApi();
    // Samples still held are freed while the mixer is open, which also
    // stops any channel playing them.
    for (const auto& entry : chunks_) sdl.FreeChunk(chunkOf(entry.first));
    chunks_.clear();
    if (deviceOpen_) sdl.CloseAudio();
    if (audioInit_) sdl.QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    deviceOpen_ = false;
    audioInit_ = false;
    channels_ = 0;
}

std::string SdlMixerBackend::currentDriver() const {
    if (!open_) return {};
    const char* name = sdlApi()->GetCurrentAudioDriver();
    return name ? name : "";
}

}  // namespace zx
