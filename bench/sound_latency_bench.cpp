// How late a sample starts: on an output that stayed open, and on one closed
// for quiet and reopened by the sound (the sound back end's resume: open,
// channels, play), on SDL's silent "dummy" output. The start is the first
// mixing pass that includes the sample. Usage: sound_latency_bench [runs]
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
std::atomic<long long> gArmed{0}, gFirstMix{0};

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// Runs on the audio thread after each mixing pass.
void afterMix(void*, Uint8*, int) {
    long long expected = 0;
    if (gArmed.load() != 0) gFirstMix.compare_exchange_strong(expected, nowNs());
}

bool open() {
    if (Mix_OpenAudio(22050, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
    Mix_AllocateChannels(64);
    Mix_SetPostMix(afterMix, nullptr);
    return true;
}

// Milliseconds from the request to the first mixing pass with the sample.
double startDelay(Mix_Chunk* chunk, bool reopen) {
    gFirstMix = 0;
    gArmed = 0;
    const long long t0 = nowNs();
    if (reopen && !open()) return -1;
    gArmed = 1;
    Mix_PlayChannel(-1, chunk, 0);
    while (gFirstMix.load() == 0) std::this_thread::sleep_for(std::chrono::microseconds(100));
    return (gFirstMix.load() - t0) / 1e6;
}

void report(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v) sum += x;
    std::printf("%-34s median %6.2f ms, mean %6.2f ms, max %6.2f ms (%zu runs)\n", what,
                v[v.size() / 2], sum / v.size(), v.back(), v.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || !open()) {
        std::fprintf(stderr, "no audio output: %s\n", SDL_GetError());
        return 1;
    }
    // A short silent sample in the output's format.
    std::vector<Uint8> silence(22050 / 10 * 4, 0);
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(silence.data(), Uint32(silence.size()));
    std::vector<double> warm, cold;
    for (int i = 0; i < runs; ++i) {
        // A random phase against the output's buffer period.
        std::this_thread::sleep_for(std::chrono::milliseconds(50 + std::rand() % 47));
        warm.push_back(startDelay(chunk, false));
        Mix_HaltChannel(-1);
        Mix_CloseAudio();  // the quiet spell's close; the chunk stays
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cold.push_back(startDelay(chunk, true));
        Mix_HaltChannel(-1);
    }
    report("output open (today's way)", warm);
    report("output reopened for the sound", cold);
    Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
}
