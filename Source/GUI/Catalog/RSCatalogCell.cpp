#include "GUI/Catalog/RSCatalogCell.h"

#include "GUI/Catalog/CJVCatalogBasePane.h"
#include "GUI/Widgets/RSWidgetSupport.h"

#include <cmath>

const int RSCatalogCell::m_DragSensitivity = 20;

RSCatalogCell::RSCatalogCell(juce::Component* owner, const juce::String& name, juce::Colour textColour,
                             const juce::String& imageName, int holdPeriodMs)
    : CJVCatalogCell(owner, name, textColour), m_ImageName(imageName), m_HoldPeriod(holdPeriodMs)
{
    setVisible(true);
}

RSCatalogCell::~RSCatalogCell()
{
    stopTimer();
}

void RSCatalogCell::init()
{
    CJVCatalogCell::init();
    repaint();
}

void RSCatalogCell::timerCallback()
{
    auto* pane = dynamic_cast<CJVCatalogBasePane*>(m_Owner);
    if (! m_Pressed || pane == nullptr || ! isEnabled())
        return;
    repaint();
    pane->mouseUpByOtherComponent(this, m_Row, m_Column);
}

void RSCatalogCell::mouseEnter(const juce::MouseEvent& e)
{
    CJVCatalogCell::mouseEnter(e);
}

void RSCatalogCell::mouseExit(const juce::MouseEvent& e)
{
    stopTimer();
    CJVCatalogCell::mouseExit(e);
    m_Pressed = false;
}

void RSCatalogCell::mouseDown(const juce::MouseEvent& e)
{
    CJVCatalogCell::mouseDown(e);
    const auto position = e.getEventRelativeTo(this).getPosition();
    m_PressX = position.x;
    m_PressY = position.y;
    m_Pressed = true;
    if (m_HoldPeriod >= 1)
        startTimer(m_HoldPeriod);
}

void RSCatalogCell::mouseDrag(const juce::MouseEvent& e)
{
    const auto position = e.getEventRelativeTo(this).getPosition();
    if (std::abs(position.x - m_PressX) >= m_DragSensitivity)
    {
        m_Pressed = false;
        stopTimer();
    }
}

void RSCatalogCell::mouseUp(const juce::MouseEvent&)
{
    const bool wasPressed = m_Pressed;
    m_Pressed = false;
    stopTimer();
    auto* pane = dynamic_cast<CJVCatalogBasePane*>(m_Owner);
    if (wasPressed && pane != nullptr && isEnabled())
    {
        repaint();
        pane->mouseUpByOtherComponent(this, m_Row, m_Column);
    }
}

void RSCatalogCell::mouseDoubleClick(const juce::MouseEvent& e)
{
    CJVCatalogCell::mouseDoubleClick(e);
}

void RSCatalogCell::paint(juce::Graphics& g)
{
    CJVCatalogCell::paint(g);
    if (! isEnabled() || m_ImageName.isEmpty())
        return;
    const auto image = RSWidgetSupport::getImage(m_ImageName);
    if (image.isValid())
        g.drawImageAt(image, 0, 0);
}

void RSCatalogCell::paintOverChildren(juce::Graphics& g)
{
    CJVCatalogCell::paintOverChildren(g);
}
