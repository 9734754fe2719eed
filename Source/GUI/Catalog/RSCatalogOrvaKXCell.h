#pragma once

#include "GUI/Catalog/RSCatalogCell.h"

// The Orva KX catalogue cell: gold selection colours.
class RSCatalogOrvaKXCell : public RSCatalogCell
{
public:
    RSCatalogOrvaKXCell(juce::Component* owner, const juce::String& name, juce::Colour textColour, const juce::String& imageName);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSCatalogOrvaKXCell)
};
