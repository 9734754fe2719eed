#pragma once

#include "GUI/Catalog/CJVCatalogBasePane.h"
#include "GUI/Catalog/CJVCatalogCell.h"
#include "ParamTable/ISection.h"

// The pane base of the HMQ catalogue strip: one row of picture cells; a
// click on a cell, or an arrow key, writes the cell's model into the
// pane's type parameter of the program being edited. Panes are built
// through the base constructor with (kind, parameter id, width, height).
class CHMQCatalogBasePane : public CJVCatalogBasePane
{
public:
    using CJVCatalogBasePane::CJVCatalogBasePane;

    void reinitialized() override;
    void handleMessage(const juce::Message& message) override;
    void mouseDownByOtherComponent(juce::Component*, int, int) override {}
    void mouseDoubleClickedByOtherComponent(juce::Component* cell, int row, int column) override;
    void mouseUpByOtherComponent(juce::Component* cell, int row, int column) override;
    int getCellWidth() const override;
    int getCellHeight() const override;
    bool upKeyPressed() override;
    bool downKeyPressed() override;
    bool rightKeyPressed() override;
    bool leftKeyPressed() override;
    bool escKeyPressed() override;
    void createCells() override;

    // The module's partial id (0 amp, 1 pedal 1, 2 pedal 2, 3 reverb), -1
    // for a kind outside the strip.
    int getPartialId() const;

protected:
    // Writes the model with the edit's flags; false without a section.
    bool writeModel(int model, int source);
    // Whether the program holds a byte that is none of the pane's types.
    bool storedOutsideList() const;
    // Deselects every selected cell but the current one.
    void deselectOthers();
    // Deselects every cell.
    void deselectAll();

    static constexpr juce::uint32 shadeColour = 0x61683E17;
};
