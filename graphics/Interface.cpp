#include "graphics/Interface.h"

#include "engine/InputSystem.h"
#include "engine/NumberConversion.h"
#include "graphics/VideoSystem.h"
#include "platform/FileReader.h"

#include <sstream>

void Interface::ParseLayout(const std::string& text, std::string& sheetPath, int32_t& originX,
                            int32_t& originY, std::vector<InterfaceElement>& elements) {
    sheetPath.clear();
    originX = 0;
    originY = 0;
    elements.clear();

    std::istringstream in(text);
    if (!(in >> sheetPath)) {
        return;
    }
    int32_t value = 0;
    if (!(in >> value)) {
        return;
    }
    originX = value;
    if (!(in >> value)) {
        return;
    }
    originY = value;

    for (;;) {
        int32_t numbers[8];
        for (int32_t& number : numbers) {
            if (!(in >> number)) {
                return;
            }
        }
        InterfaceElement element;
        element.id = numbers[0];
        element.enabled = numbers[1];
        element.sourceX = numbers[2];
        element.sourceY = numbers[3];
        element.x = numbers[4];
        element.y = numbers[5];
        element.width = numbers[6];
        element.height = numbers[7];
        elements.push_back(element);
    }
}

void Interface::Init(std::string path) {
    LoadLayout(path);
    clickedId = 0;
    pressed = false;
}

void Interface::LoadLayout(std::string path) {
    std::string text;
    if (!FileReader::ReadAll(path, text)) {
        return;
    }
    std::string sheetPath;
    std::vector<InterfaceElement> parsed;
    ParseLayout(text, sheetPath, originX, originY, parsed);
    sheet = gVideo->LoadTGA(sheetPath);
    elements.insert(elements.end(), parsed.begin(), parsed.end());
}

void Interface::Update() {
    DrawElements();
    HandleClick();
}

void Interface::DrawElements() {
    const int64_t mouseX = gInput->mouseX;
    const int64_t mouseY = gInput->mouseY;
    for (const InterfaceElement& element : elements) {
        if (!Shows(element)) {
            continue;
        }
        // Positions and sizes come from the file; work in 64 bits so no sum can overflow.
        const int64_t left = int64_t{originX} + element.x;
        const int64_t top = int64_t{originY} + element.y;
        const int64_t width = element.width;
        const int64_t height = element.height;

        int64_t sourceX = element.sourceX;
        int64_t sourceY = element.sourceY;
        if (element.enabled == 0) {
            sourceX += width;
            sourceY += height;
        } else {
            const bool under =
                left <= mouseX && mouseX <= left + width && top <= mouseY && mouseY <= top + height;
            if (under && gInput->leftButton) {
                sourceY += height;
                pressed = true;
            } else if (under) {
                if (pressed) {
                    pressed = false;
                    clickedId = element.id;
                }
                sourceX += width;
            }
        }
        gVideo->DrawSpriteRegion(sheet, static_cast<float>(sourceX), static_cast<float>(sourceY),
                                 static_cast<float>(width), static_cast<float>(height),
                                 ClampToInt32(left), ClampToInt32(top), 1.0f, 1.0f, 1.0f, 1.0f);
    }
}

void Interface::Choose(int32_t id) {
    for (const InterfaceElement& element : elements) {
        if (element.id == id && element.enabled != 0 && Shows(element)) {
            clickedId = id;
            HandleClick();
            return;
        }
    }
}
