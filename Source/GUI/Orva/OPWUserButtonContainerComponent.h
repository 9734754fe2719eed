#pragma once

#include "Core/ProductModel.h"
#include "GUI/Orva/OPWUserProgButton.h"
#include "GUI/Orva/OrvaUserButtonContainerComponent.h"

// The user-program panel of the Orva PW screen.
class OPWUserButtonContainerComponent : public OrvaUserButtonContainerComponent<OPWUserProgButton>
{
public:
    using OrvaUserButtonContainerComponent::OrvaUserButtonContainerComponent;

protected:
    juce::String synchronisedModelName(int modelId) const override
    {
        return isWirelessModel(modelId) ? "Orva Lyn PW" : "Orva PW";
    }
    void resetTouchDownMemory() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWUserButtonContainerComponent)
};
