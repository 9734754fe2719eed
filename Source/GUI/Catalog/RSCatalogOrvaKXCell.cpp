#include "GUI/Catalog/RSCatalogOrvaKXCell.h"

RSCatalogOrvaKXCell::RSCatalogOrvaKXCell(juce::Component* owner, const juce::String& name, juce::Colour textColour,
                                         const juce::String& imageName)
    : RSCatalogCell(owner, name, textColour, imageName, -1)
{
    m_SelectedFillColour = juce::Colour(0x2BCEA939);
    m_SelectedFrameColour = juce::Colour(0xFFCEA939);
}
