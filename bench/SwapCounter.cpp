// Counts a program's drawn frames from outside its code: loaded with LD_PRELOAD, it stands
// in front of SDL_GL_SwapBuffers and adds one to a 64-bit counter in the file named by
// VORNAK_FRAME_COUNTER after every swap, for the probe to read while the program runs.
// The program itself is not changed, so it counts any build of the game alike.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

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

} // namespace

extern "C" void SDL_GL_SwapBuffers() {
    using Swap = void (*)();
    static const Swap real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
    static volatile uint64_t* const counter = OpenCounter();
    if (real) {
        real();
    }
    if (counter) {
        __atomic_add_fetch(counter, 1, __ATOMIC_RELAXED);
    }
}
