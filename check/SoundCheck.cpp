#include "check/SoundCheck.h"

#include "battle/GameFiles.h"
#include "check/CheckReport.h"
#include "platform/PathResolver.h"
#include "sound/AudioResult.h"
#include "sound/AudioSample.h"
#include "sound/AudioStream.h"
#include "sound/AudioSystem.h"

#include <cstdlib>

void SoundCheck::Run(CheckReport& report) {
    // A check makes no noise and needs no sound card.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    AudioSystem audio;
    const AudioResult started = audio.Init(1);

    const struct {
        const char* gamePath;
        bool music;
    } files[] = {{GameFiles::kSwordHit, false},
                 {GameFiles::kArrowFire, false},
                 {GameFiles::kArrowHit, false},
                 {GameFiles::kMusic, true}};
    for (const auto& [gamePath, music] : files) {
        const std::string path = PathResolver::Resolve(gamePath);
        AudioResult result = started;
        if (result == AudioOk) {
            if (music) {
                AudioStream* stream = nullptr;
                result = audio.CreateStream(path, &stream);
            } else {
                AudioSample* sample = nullptr;
                result = audio.CreateSample(path, &sample);
            }
        }
        if (result == AudioOk) {
            report.FileRead(path);
            continue;
        }
        report.Warning(path, 0,
                       std::string("the sound layer cannot play it (") + AudioResultText(result) +
                           "): the game goes on without " + (music ? "music" : "this sound"));
    }
    audio.Release();
}
