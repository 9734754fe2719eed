#pragma once

#include "GUI/HMQ/HMQValueParamBaseComponent.h"

// The value page of pedal 2.
class HMQValueParamPedal2Component : public HMQValueParamBaseComponent
{
public:
    using HMQValueParamBaseComponent::HMQValueParamBaseComponent;

    void paint(juce::Graphics& g) override;
    int getUIFormTableID() override;
    int getPartialId() override { return 2; }
};
