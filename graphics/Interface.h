#pragma once

#include "engine/Subsystem.h"
#include "graphics/InterfaceElement.h"
#include "graphics/Texture.h"

#include <cstdint>
#include <string>
#include <vector>

// Buttons read from a layout file: a sheet, an origin on screen and a list of elements.
// Update draws every element with the picture that matches the mouse and detects clicks;
// the elements appear only while Update is called.
//
// A click is a press over any live element followed, in some later update, by a release
// over any live element: the element under the pointer at the release is clicked. The
// press is remembered until a click is delivered, however long that takes.
class Interface : public Subsystem {
public:
    std::vector<InterfaceElement> elements;
    Texture sheet;
    int32_t clickedId = 0; // clicked during the last draw, 0 when none
    int32_t originX = 0;
    int32_t originY = 0;
    bool pressed = false;

    ~Interface() override = default;

    void Init(std::string path) override;
    void Shutdown() override {}
    // Draws the elements, then handles a click.
    void Update() override;
    void Render() override {}

    // An unreadable file leaves the interface without elements and loads no sheet.
    virtual void LoadLayout(std::string path);
    virtual void DrawElements();
    virtual void HandleClick() {}
    // Whether the element is drawn and clicked now; an element not shown does neither.
    virtual bool Shows(const InterfaceElement&) const { return true; }

    // What a click on the shown, live element `id` does; nothing when there is none.
    // Lets keys stand in for buttons.
    void Choose(int32_t id);

    // Reads the sheet path, the origin and every complete group of eight numbers from
    // whitespace-separated text; an incomplete last group is dropped. Numbers not read
    // are 0.
    static void ParseLayout(const std::string& text, std::string& sheetPath, int32_t& originX,
                            int32_t& originY, std::vector<InterfaceElement>& elements);
};
