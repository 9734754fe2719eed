#pragma once

#include "GUI/Orva/OKXFileProgButton.h"
#include "GUI/Orva/OrvaLibFileComponent.h"

// The file page of the Orva KX librarian.
class OKXLibFileComponent : public OrvaLibFileComponent<OKXFileProgButton>
{
public:
    using OrvaLibFileComponent::OrvaLibFileComponent;

    void paint(juce::Graphics&) override {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXLibFileComponent)
};
