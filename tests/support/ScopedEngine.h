#pragma once

#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/RecordingVideo.h"

// Puts a kernel, a recording video, a recording sound and a plain input subsystem into
// the global pointers for one test, and takes them all away again at its end.
class ScopedEngine {
public:
    ScopedEngine() {
        gKernel = new Kernel;
        gVideo = video = new RecordingVideo;
        gSound = sound = new RecordingSound;
        gInput = input = new InputSystem;
    }
    ~ScopedEngine() {
        delete gKernel; // destroys and clears the subsystems it finds in the globals
        gKernel = nullptr;
    }

    RecordingVideo* video;
    RecordingSound* sound;
    InputSystem* input;
};
