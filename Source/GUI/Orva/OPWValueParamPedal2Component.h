#pragma once

#include "GUI/Orva/OPWValueParamBaseComponent.h"

// The value page of the Orva PW second pedal (FX2).
class OPWValueParamPedal2Component : public OPWValueParamBaseComponent
{
public:
    OPWValueParamPedal2Component(EditParamComponent* owner, int width, int height);

    void paint(juce::Graphics& g) override;
    int getUIFormTableID() const override;
    int getPartialId() const override { return 2; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWValueParamPedal2Component)
};
