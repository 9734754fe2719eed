#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// One cell of a catalogue pane: a model's name (and, in the subclass, its
// picture). It reports presses to the pane that made it; the pane decides
// what they mean.
class CJVCatalogCell : public juce::Component,
                       public juce::SettableTooltipClient
{
public:
    CJVCatalogCell(juce::Component* owner, const juce::String& name, juce::Colour textColour);
    ~CJVCatalogCell() override = default;

    // Listens to its own mouse events, takes no focus, sizes itself 136 x 110.
    virtual void init();

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void mouseDoubleClick(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;
    void paintOverChildren(juce::Graphics& g) override;

    void setSelected(bool selected) noexcept { m_Selected = selected; }
    bool isSelected() const noexcept { return m_Selected; }
    bool isHovered() const noexcept { return m_Hovered; }
    void setRowAndColumn(int row, int column) noexcept
    {
        m_Row = row;
        m_Column = column;
    }
    int getRow() const noexcept { return m_Row; }
    int getColumn() const noexcept { return m_Column; }
    juce::Component* getOwner() const noexcept { return m_Owner; }
    juce::Colour getSelectedFillColour() const noexcept { return m_SelectedFillColour; }
    juce::Colour getSelectedFrameColour() const noexcept { return m_SelectedFrameColour; }

protected:
    void drawName(juce::Graphics& g);

    juce::Component* m_Owner;
    bool m_Hovered = false;
    bool m_Selected = false;
    int m_Row = 0;
    int m_Column = 0;
    juce::Colour m_TextColour;
    juce::Colour m_SelectedFillColour { 0x2BF97B00 };
    juce::Colour m_SelectedFrameColour { 0xFFD7891B };
    juce::Colour m_HoverFillColour { 0x1BFFFFFF };

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CJVCatalogCell)
};
