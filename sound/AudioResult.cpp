#include "sound/AudioResult.h"

namespace {

const char* const kTexts[AudioResultCount] = {
    "No errors.",
    "The audio subsystem could not be started.",
    "No sound device could be opened.",
    "The mixing channels could not be allocated.",
    "The sound system has not been started.",
    "A sound was used that does not exist.",
    "The sound file could not be found.",
    "The sound file is not in a format that can be played.",
    "The sound file is damaged.",
    "Every mixing channel is busy.",
    "The sound could not be started.",
};

} // namespace

const char* AudioResultText(int code) {
    if (code < 0 || code >= AudioResultCount) {
        return "Unknown error.";
    }
    return kTexts[code];
}
