#pragma once

#include <juce_graphics/juce_graphics.h>

namespace Catalog
{
// The index of a pane within its catalogue: 0 the amp pane, then the effect
// panes in creation order.
using Kind = int;

// One record per pane class.
struct tagCatalogAttributes
{
    juce::String backgroundImageName;
    int criterialX; // offset of the cell grid inside the pane
    int criterialY;
};

// One record per cell of a pane, in a row-major table of the pane class.
struct tagCatalogCellAttributes
{
    int model;               // the value the cell selects; -1 marks an empty cell
    juce::String name;       // drawn under the picture; the cell's component name
    juce::String tooltipKey; // localised-string key; may be empty
    juce::Colour colour;     // colour of the name
    juce::String imageName;  // the picture
};
} // namespace Catalog
