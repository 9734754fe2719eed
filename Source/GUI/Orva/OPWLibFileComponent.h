#pragma once

#include "GUI/Orva/OPWFileProgButton.h"
#include "GUI/Orva/OrvaLibFileComponent.h"

// The file page of the Orva PW librarian.
class OPWLibFileComponent : public OrvaLibFileComponent<OPWFileProgButton>
{
public:
    using OrvaLibFileComponent::OrvaLibFileComponent;

    void paint(juce::Graphics& g) override { g.fillAll(juce::Colour(0xFF2D2D2D)); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWLibFileComponent)
};
