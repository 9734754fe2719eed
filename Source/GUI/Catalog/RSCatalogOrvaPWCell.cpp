#include "GUI/Catalog/RSCatalogOrvaPWCell.h"

RSCatalogOrvaPWCell::RSCatalogOrvaPWCell(juce::Component* owner, const juce::String& name, juce::Colour textColour,
                                         const juce::String& imageName)
    : RSCatalogCell(owner, name, textColour, imageName, -1)
{
    m_SelectedFillColour = juce::Colour(0x2BC5C5C6);
    m_SelectedFrameColour = juce::Colour(0xFFC5C5C6);
}
