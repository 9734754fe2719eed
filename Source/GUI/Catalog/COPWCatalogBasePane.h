#pragma once

#include "GUI/Catalog/CJVCatalogBasePane.h"

class RSCatalogCell;

// The pane base of the Orva catalogues: one row of cells whose model value
// is the column. A click writes the cell's model to the pane's parameter;
// left and right step to the neighbouring model; value changes of the
// parameter mark its cell.
class COPWCatalogBasePane : public CJVCatalogBasePane
{
public:
    COPWCatalogBasePane(int kind, int paramId, int paneWidth, int paneHeight);

    void reinitialized() override;
    void handleMessage(const juce::Message& message) override;
    void mouseDownByOtherComponent(juce::Component*, int, int) override {}
    void mouseDoubleClickedByOtherComponent(juce::Component* cell, int row, int column) override;
    void mouseUpByOtherComponent(juce::Component* cell, int row, int column) override;
    // Writes the model (flags 255, source 0).
    void SetSelectedModel(int model) override;
    int getCellWidth() const override;
    int getCellHeight() const override;
    // 0 {0}, 1 {1}, 2 {2}.
    juce::Array<int> getModuleByCatalogKind(int kind) const override;
    bool upKeyPressed() override { return false; }
    bool downKeyPressed() override { return false; }
    bool rightKeyPressed() override;
    bool leftKeyPressed() override;
    bool escKeyPressed() override { return false; }
    void createCells() override;

    void paint(juce::Graphics&) override {}

protected:
    // The cell class of the model's catalogue.
    virtual RSCatalogCell* createCell(const Catalog::tagCatalogCellAttributes& attrs);
    // Writes the model of (row, column) as a catalogue pick; false when no
    // section exists.
    bool writeModelAt(int row, int column);
    // Unmarks every cell; marks the last cell of `value` and makes it
    // current. Returns whether a cell has it.
    bool showValue(int value);
    void unmarkAllExcept(juce::Component* keep);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COPWCatalogBasePane)
};
