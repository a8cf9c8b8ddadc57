// Any bytes as a layout file, then the buttons drawn with the pointer on each of them,
// pressed and released: reading and drawing must stay within bounds for any numbers.
#include "engine/InputSystem.h"
#include "graphics/Interface.h"
#include "tests/support/RecordingVideo.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Interface layout;
    std::string sheetPath;
    Interface::ParseLayout(std::string(reinterpret_cast<const char*>(data), size), sheetPath,
                           layout.originX, layout.originY, layout.elements);
    RecordingVideo video;
    InputSystem input;
    gVideo = &video;
    gInput = &input;
    for (std::size_t i = 0; i < layout.elements.size() && i < 8; ++i) {
        input.mouseX = static_cast<int32_t>(int64_t{layout.originX} + layout.elements[i].x);
        input.mouseY = static_cast<int32_t>(int64_t{layout.originY} + layout.elements[i].y);
        for (bool button : {true, false}) {
            input.leftButton = button;
            layout.DrawElements();
        }
    }
    gVideo = nullptr;
    gInput = nullptr;
    return 0;
}
