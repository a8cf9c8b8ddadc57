// Decoding the game's TGA pictures from memory, without OpenGL.
#include "graphics/TgaImage.h"
#include "platform/FileReader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace {

void DecodeFile(benchmark::State& state, const char* gamePath) {
    const char* dir = std::getenv("VORNAK_BENCH_GAME_DIR");
    std::string bytes;
    if (chdir(dir ? dir : VORNAK_GAME_DIR) != 0 || !FileReader::ReadAll(gamePath, bytes)) {
        state.SkipWithError("picture not found in the game directory");
        return;
    }
    for (auto _ : state) {
        TgaImage image;
        std::string failure;
        if (!TgaImage::Decode(bytes, image, failure)) {
            state.SkipWithError(failure.c_str());
            return;
        }
        benchmark::DoNotOptimize(image.pixels.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
}

void BM_TgaDecodeTiles(benchmark::State& state) {
    DecodeFile(state, "images\\vntiles.tga");
}
BENCHMARK(BM_TgaDecodeTiles)->Unit(benchmark::kMicrosecond);

void BM_TgaDecodeBackground(benchmark::State& state) {
    DecodeFile(state, "images\\background.tga");
}
BENCHMARK(BM_TgaDecodeBackground)->Unit(benchmark::kMicrosecond);

// Reading and decoding a picture the way start-up does, once each: every large buffer is
// fresh memory from the system (malloc would otherwise keep and reuse it between
// iterations, which start-up never gets to do). The first touch of each page is the cost.
void BM_ReadAndDecodeBackgroundCold(benchmark::State& state) {
    const char* dir = std::getenv("VORNAK_BENCH_GAME_DIR");
    if (chdir(dir ? dir : VORNAK_GAME_DIR) != 0) {
        state.SkipWithError("no game directory");
        return;
    }
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    int64_t bytesRead = 0;
    for (auto _ : state) {
        // Hand freed memory back, so that even a heap grown by earlier benchmarks gives
        // out untouched pages.
        state.PauseTiming();
        malloc_trim(0);
        state.ResumeTiming();
        std::string bytes;
        TgaImage image;
        std::string failure;
        if (!FileReader::ReadAll("images\\background.tga", bytes) ||
            !TgaImage::Decode(bytes, image, failure)) {
            state.SkipWithError("background picture did not load");
            return;
        }
        bytesRead += static_cast<int64_t>(bytes.size());
        benchmark::DoNotOptimize(image.pixels.get());
    }
    state.SetBytesProcessed(bytesRead);
}
BENCHMARK(BM_ReadAndDecodeBackgroundCold)->Unit(benchmark::kMicrosecond);

} // namespace
