#pragma once

#include "GUI/Catalog/OPWCatalogComponent.h"

// The catalogue strip of the Orva KX (and its wireless twin): 23 amps, 11
// first-pedal and 8 second-pedal effects.
class OKXCatalogComponent : public OPWCatalogComponent
{
public:
    OKXCatalogComponent(int width, int height, bool small);

protected:
    void createPanes(int paneHeight) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXCatalogComponent)
};
