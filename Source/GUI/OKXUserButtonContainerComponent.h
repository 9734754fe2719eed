#pragma once

#include "GUI/OKXUserProgButton.h"
#include "GUI/OrvaUserButtonContainerComponent.h"

// The user-program panel of the Orva KX screen.
class OKXUserButtonContainerComponent : public OrvaUserButtonContainerComponent<OKXUserProgButton>
{
public:
    using OrvaUserButtonContainerComponent::OrvaUserButtonContainerComponent;

protected:
    juce::String synchronisedModelName(int modelId) const override
    {
        return modelId == 4 ? "Orva Lyn KX" : "Orva KX";
    }
    void resetTouchDownMemory() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXUserButtonContainerComponent)
};
