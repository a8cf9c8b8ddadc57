// Counts a program's shown frames from outside its code: loaded with LD_PRELOAD, it stands
// in front of SDL_GL_SwapBuffers and of the glXCopySubBufferMESA that glXGetProcAddressARB
// hands out, and adds one to a 64-bit counter in the file named by VORNAK_FRAME_COUNTER
// after every swap and every burst of sub-buffer copies (a frame shows its rectangles one
// copy after the other, microseconds apart; frames come milliseconds apart), for the probe
// to read while the program runs. The program itself is not changed, so it counts any
// build of the game alike.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

volatile uint64_t* OpenCounter() {
    const char* path = std::getenv("VORNAK_FRAME_COUNTER");
    if (!path) {
        return nullptr;
    }
    const int file = open(path, O_RDWR);
    if (file < 0) {
        return nullptr;
    }
    void* memory = mmap(nullptr, sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    close(file);
    return memory == MAP_FAILED ? nullptr : static_cast<volatile uint64_t*>(memory);
}

void CountFrame() {
    static volatile uint64_t* const counter = OpenCounter();
    if (counter) {
        __atomic_add_fetch(counter, 1, __ATOMIC_RELAXED);
    }
}

using CopySubBuffer = void (*)(void*, unsigned long, int, int, int, int);
CopySubBuffer realCopy = nullptr;

void CountedCopy(void* display, unsigned long drawable, int x, int y, int width, int height) {
    constexpr int64_t kBurstGap = 1000000; // ns
    static int64_t lastCopy = -kBurstGap;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const int64_t at = int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
    realCopy(display, drawable, x, y, width, height);
    if (at - lastCopy >= kBurstGap) {
        CountFrame();
    }
    lastCopy = at;
}

} // namespace

extern "C" void SDL_GL_SwapBuffers() {
    using Swap = void (*)();
    static const Swap real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
    if (real) {
        real();
    }
    CountFrame();
}

extern "C" void (*glXGetProcAddressARB(const unsigned char* name))() {
    using Function = void (*)();
    using Lookup = Function (*)(const unsigned char*);
    static const Lookup real = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "glXGetProcAddressARB"));
    const Function found = real ? real(name) : nullptr;
    if (!found || std::strcmp(reinterpret_cast<const char*>(name), "glXCopySubBufferMESA") != 0) {
        return found;
    }
    realCopy = reinterpret_cast<CopySubBuffer>(found);
    return reinterpret_cast<Function>(&CountedCopy);
}
