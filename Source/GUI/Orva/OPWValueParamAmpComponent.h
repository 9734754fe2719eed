#pragma once

#include "GUI/Orva/OPWValueParamBaseComponent.h"

// The value page of the Orva PW amplifier.
class OPWValueParamAmpComponent : public OPWValueParamBaseComponent
{
public:
    OPWValueParamAmpComponent(EditParamComponent* owner, int width, int height);

    void paint(juce::Graphics& g) override;
    int getUIFormTableID() const override;
    int getPartialId() const override { return 0; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWValueParamAmpComponent)
};
