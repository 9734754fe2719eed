#pragma once

#include "GUI/Catalog/RSCatalogCell.h"

// The Orva PW catalogue cell: grey selection colours.
class RSCatalogOrvaPWCell : public RSCatalogCell
{
public:
    RSCatalogOrvaPWCell(juce::Component* owner, const juce::String& name, juce::Colour textColour, const juce::String& imageName);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSCatalogOrvaPWCell)
};
