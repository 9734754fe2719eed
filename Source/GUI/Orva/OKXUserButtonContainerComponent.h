#pragma once

#include "Core/ProductModel.h"
#include "GUI/Orva/OKXUserProgButton.h"
#include "GUI/Orva/OrvaUserButtonContainerComponent.h"

// The user-program panel of the Orva KX screen.
class OKXUserButtonContainerComponent : public OrvaUserButtonContainerComponent<OKXUserProgButton>
{
public:
    using OrvaUserButtonContainerComponent::OrvaUserButtonContainerComponent;

protected:
    juce::String synchronisedModelName(int modelId) const override
    {
        return isWirelessModel(modelId) ? "Orva Lyn KX" : "Orva KX";
    }
    void resetTouchDownMemory() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXUserButtonContainerComponent)
};
