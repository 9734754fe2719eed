#pragma once

#include "GUI/Orva/OPWValueParamBaseComponent.h"

// The value page of the Orva PW first pedal (FX1).
class OPWValueParamPedal1Component : public OPWValueParamBaseComponent
{
public:
    OPWValueParamPedal1Component(EditParamComponent* owner, int width, int height);

    void paint(juce::Graphics& g) override;
    int getUIFormTableID() const override;
    int getPartialId() const override { return 1; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWValueParamPedal1Component)
};
