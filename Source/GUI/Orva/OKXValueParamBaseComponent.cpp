#include "GUI/Orva/OKXValueParamBaseComponent.h"

#include "GUI/Widgets/RSWidgetSupport.h"

OKXValueParamBaseComponent::OKXValueParamBaseComponent(EditParamComponent* owner, int width, int height)
    : OPWValueParamBaseComponent(owner, width, height)
{}

void OKXValueParamBaseComponent::initSlotBounds()
{
    // 22 origins: 0 unused; 1-9 a row of knobs; 10-14 a column of
    // switches; 15-21 a second row.
    m_SlotOrigins.clear();
    m_SlotOrigins.push_back({ 0, 0 });
    for (int k = 1; k <= 9; ++k)
        m_SlotOrigins.push_back({ 120 + 66 * (k - 1), 12 });
    for (int k = 10; k <= 14; ++k)
        m_SlotOrigins.push_back({ 0, 12 + 20 * (k - 10) });
    for (int k = 15; k <= 21; ++k)
        m_SlotOrigins.push_back({ 143 + 66 * (k - 15), 0 });
}

void OKXValueParamBaseComponent::paint(juce::Graphics& g)
{
    const auto panel = RSWidgetSupport::getImage("bg_orvaKX_panel");
    if (panel.isValid())
        g.drawImageAt(panel, 5, 0);
}
