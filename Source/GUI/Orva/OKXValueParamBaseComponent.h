#pragma once

#include "GUI/Orva/OPWValueParamBaseComponent.h"

// One module's value page of the Orva KX parameter area: the Orva value
// page with the Orva KX slot origins (the top row of slots 12 pixels down)
// and panel.
class OKXValueParamBaseComponent : public OPWValueParamBaseComponent
{
public:
    OKXValueParamBaseComponent(EditParamComponent* owner, int width, int height);

    void initSlotBounds() override;
    void paint(juce::Graphics& g) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXValueParamBaseComponent)
};
