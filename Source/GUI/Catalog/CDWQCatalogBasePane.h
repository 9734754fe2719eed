#pragma once

#include "GUI/Catalog/CJVCatalogBasePane.h"

// The pane base of the DWQR catalogue strip: one row of picture cells of one
// module (amp, modulation or delay/reverb). A released click writes the
// cell's type into the program as a catalogue pick; the left and right keys
// step along the row; type changes from elsewhere move the highlight.
class CDWQCatalogBasePane : public CJVCatalogBasePane
{
public:
    using CJVCatalogBasePane::CJVCatalogBasePane;

    void paint(juce::Graphics& g) override;

    void reinitialized() override;
    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    int getNumRows() const override { return 1; }
    void handleMessage(const juce::Message& message) override;
    void mouseDownByOtherComponent(juce::Component*, int, int) override {}
    void mouseDoubleClickedByOtherComponent(juce::Component* component, int row, int col) override;
    void mouseUpByOtherComponent(juce::Component* component, int row, int col) override;
    void SetSelectedModel(int model) override;
    int getCellWidth() const override;
    int getCellHeight() const override;
    juce::Array<int> getModuleByCatalogKind(int kind) const override;
    bool upKeyPressed() override { return false; }
    bool downKeyPressed() override { return false; }
    bool rightKeyPressed() override;
    bool leftKeyPressed() override;
    bool escKeyPressed() override { return false; }

protected:
    // Makes the cell carrying the model current and selected; false (nothing
    // changed but the old cell's mark) when no cell carries it.
    bool selectCellOfModel(int model);
    void deselectCurrent();
    // Writes a type as a catalogue pick.
    void writePick(int model);
    // Whether the program holds a byte that is none of the pane's types.
    bool storedOutsideList() const;
};
