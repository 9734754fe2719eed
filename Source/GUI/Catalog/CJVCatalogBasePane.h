#pragma once

#include "GUI/Catalog/CatalogTypes.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class CJVCatalogCell;
class CJVTextButton;

// One catalogue pane: a grid of cells for one module's types, with the
// current cell marked and moved by the arrow keys. The per-model pane bases
// supply the cells, the writes and the reactions to the section events.
class CJVCatalogBasePane : public juce::Component,
                           public juce::Button::Listener,
                           public juce::MessageListener
{
public:
    CJVCatalogBasePane(int kind, int paramId, int paneWidth, int paneHeight);
    ~CJVCatalogBasePane() override;

    virtual void reinitialized() = 0;
    virtual const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const = 0;
    virtual const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const = 0;
    virtual int getNumRows() const = 0;
    virtual int getNumColumns() const = 0;
    void handleMessage(const juce::Message& message) override = 0;
    void buttonClicked(juce::Button*) override {}
    virtual void mouseDownByOtherComponent(juce::Component* cell, int row, int column) = 0;
    virtual void mouseDoubleClickedByOtherComponent(juce::Component* cell, int row, int column) = 0;
    virtual void mouseUpByOtherComponent(juce::Component*, int, int) {}
    virtual void SetSelectedModel(int model) = 0;
    virtual juce::String getImageBackName() const;
    virtual int getCriterialPositionX() const;
    virtual int getCriterialPositionY() const;
    virtual int getCellWidth() const;
    virtual int getCellHeight() const;
    // The module indices a kind stands for: 0 {0}, 1 {1}, 2 {3}, 3 {2}.
    virtual juce::Array<int> getModuleByCatalogKind(int kind) const;
    virtual bool upKeyPressed();
    virtual bool downKeyPressed();
    virtual bool rightKeyPressed();
    virtual bool leftKeyPressed();
    virtual bool spaceOrReturnKeyPressed() { return true; }
    virtual bool escKeyPressed() { return false; }
    virtual void createCells();

    void setVisible(bool shouldBeVisible) override;
    void paint(juce::Graphics&) override {}
    void paintOverChildren(juce::Graphics& g) override;
    bool keyPressed(const juce::KeyPress& key) override;
    void resized() override;

    // Run once by the owner after construction.
    void init(int width, int height);
    void uninit();
    void setStoreSettingsEnabled(bool enabled) noexcept { m_StoreSettings = enabled; }
    int getModelByMatrix(int row, int column) const;
    // The last cell in row-major order whose model is `model`; false (row
    // and column untouched) when none is.
    bool getMatrixByModel(int model, int& row, int& column) const;
    void exit() {}

    int getKind() const noexcept { return m_Kind; }
    int getParamId() const noexcept { return m_ParamId; }
    int getPaneWidth() const noexcept { return m_PaneWidth; }
    int getPaneHeight() const noexcept { return m_PaneHeight; }
    int getCurrentRow() const noexcept { return m_CurrentRow; }
    int getCurrentColumn() const noexcept { return m_CurrentColumn; }
    bool isSelectionShown() const noexcept { return m_SelectionShown; }
    CJVCatalogCell* getCell(int row, int column) const;
    const juce::OwnedArray<CJVTextButton>& getTypeTabs() const noexcept { return m_TypeTabs; }

protected:
    // Sets each cell's selected flag to whether it is the current cell.
    void markCurrentCell();
    // Whether (row, column) is inside the grid.
    bool isInGrid(int row, int column) const noexcept;
    // Key moves of the base: towards (row + dr, column + dc).
    bool moveBy(int dr, int dc);
    // Steps the current column by delta within the current row and selects
    // the model there; false (nothing moves) past the edge or on an empty
    // cell.
    bool stepColumn(int delta);

    Catalog::Kind m_Kind;
    int m_ParamId;
    int m_PaneWidth;
    int m_PaneHeight;
    int m_Rows = 0;
    int m_Columns = 0;
    std::vector<std::vector<CJVCatalogCell*>> m_Cells;
    int m_CurrentRow = 0;
    int m_CurrentColumn = 0;
    juce::OwnedArray<CJVTextButton> m_TypeTabs;
    juce::Image m_BackImage;
    bool m_StoreSettings = false;
    bool m_SelectionShown = true;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CJVCatalogBasePane)
};
