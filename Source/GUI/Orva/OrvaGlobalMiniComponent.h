#pragma once

#include "GUI/Orva/OrvaGlobalComponent.h"

// The global panel below the tab column of an Orva librarian: the global
// page on a black ground.
class OrvaGlobalMiniComponent : public OrvaGlobalComponent
{
public:
    using OrvaGlobalComponent::OrvaGlobalComponent;

    void paint(juce::Graphics& g) override { g.fillAll(juce::Colour(0xFF000000)); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OrvaGlobalMiniComponent)
};
