#include "GUI/Catalog/CJVCatalogCell.h"

#include "GUI/Catalog/CJVCatalogBasePane.h"
#include "GUI/Widgets/FontLibrary.h"

CJVCatalogCell::CJVCatalogCell(juce::Component* owner, const juce::String& name, juce::Colour textColour)
    : juce::Component(name), m_Owner(owner), m_TextColour(textColour)
{
    init();
}

void CJVCatalogCell::init()
{
    // The cell has no children of its own: its handlers see every press
    // (listening to itself as well would report each press twice).
    setInterceptsMouseClicks(true, false);
    setWantsKeyboardFocus(false);
    setMouseClickGrabsKeyboardFocus(false);
    setSize(136, 110);
}

void CJVCatalogCell::mouseEnter(const juce::MouseEvent&)
{
    if (! m_Hovered)
    {
        m_Hovered = true;
        repaint();
    }
}

void CJVCatalogCell::mouseExit(const juce::MouseEvent&)
{
    if (m_Hovered)
    {
        m_Hovered = false;
        repaint();
    }
}

void CJVCatalogCell::mouseDown(const juce::MouseEvent&)
{
    repaint();
    if (auto* pane = dynamic_cast<CJVCatalogBasePane*>(m_Owner))
        if (isEnabled())
            pane->mouseDownByOtherComponent(this, m_Row, m_Column);
}

void CJVCatalogCell::mouseUp(const juce::MouseEvent&)
{
    repaint();
    if (auto* pane = dynamic_cast<CJVCatalogBasePane*>(m_Owner))
        if (isEnabled())
            pane->mouseUpByOtherComponent(this, m_Row, m_Column);
}

void CJVCatalogCell::mouseDoubleClick(const juce::MouseEvent&)
{
    if (auto* pane = dynamic_cast<CJVCatalogBasePane*>(m_Owner))
        if (isEnabled())
            pane->mouseDoubleClickedByOtherComponent(this, m_Row, m_Column);
}

void CJVCatalogCell::drawName(juce::Graphics& g)
{
    if (getName().isEmpty())
        return;
    g.setFont(FontLibrary::getInstance()->getFont("CatalogPaneTypeName"));
    g.setColour(m_TextColour);
    g.drawText(getName(), 4, getHeight() - 28, getWidth() - 8, 24, juce::Justification::centred, true);
}

void CJVCatalogCell::paint(juce::Graphics& g)
{
    if (! isEnabled())
        return;
    if (m_Selected)
        g.fillAll(m_SelectedFillColour);
    if (m_Hovered)
        g.fillAll(m_HoverFillColour);
    drawName(g);
}

void CJVCatalogCell::paintOverChildren(juce::Graphics& g)
{
    if (! isEnabled())
        return;
    if (m_Selected)
    {
        g.setColour(m_SelectedFrameColour);
        g.drawRect(getLocalBounds(), 2);
    }
    drawName(g);
}
