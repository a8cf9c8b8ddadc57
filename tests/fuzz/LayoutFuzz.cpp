// Any bytes as a layout file, then the buttons drawn with the pointer on each of them,
// pressed and released: reading and drawing must stay within bounds for any numbers.
#include "engine/InputSystem.h"
#include "graphics/Interface.h"
#include "graphics/VideoSystem.h"
#include "tests/fuzz/CountingVideo.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Interface layout;
    std::string sheetPath;
    Interface::ParseLayout(text, sheetPath, layout.originX, layout.originY, layout.elements);
    // Each element takes eight numbers, and a number at least one byte and a separator.
    if (layout.elements.size() * 16 > size + 16) {
        __builtin_trap();
    }

    static CountingVideo video;
    static InputSystem input;
    gVideo = &video;
    gInput = &input;
    video.draws = 0;
    for (std::size_t i = 0; i < layout.elements.size() && i < 8; ++i) {
        const InterfaceElement& element = layout.elements[i];
        input.mouseX = static_cast<int32_t>(int64_t{layout.originX} + element.x);
        input.mouseY = static_cast<int32_t>(int64_t{layout.originY} + element.y);
        input.leftButton = true;
        layout.DrawElements();
        input.leftButton = false;
        layout.DrawElements();
    }
    gVideo = nullptr;
    gInput = nullptr;
    return 0;
}
