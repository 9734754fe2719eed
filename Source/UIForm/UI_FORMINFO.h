#pragma once

#include <cstdint>

// One record of a form table. A layer record lists the items of one page or
// page area as its children; an item record describes one control. All
// records are constant data.
struct UI_FORMINFO
{
    const char* className; // "Layer", or the item's control class name
    const char* text;      // label text or widget tag; empty for a layer
    const char* fontFace;  // empty when not set
    int32_t fontHeight;    // 0 or less: not set
    int32_t fontStyle;     // framework style flags; 0 or less: not set
    int32_t id;            // layer id, or the item's control kind
    int32_t paramId;       // edited or shown parameter, -1 for none
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    int32_t childCount;          // 0 for items
    const UI_FORMINFO* children; // null for items
};
