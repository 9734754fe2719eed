#pragma once

#include "GUI/HMQ/HMQValueParamBaseComponent.h"

// The value page of pedal 1.
class HMQValueParamPedal1Component : public HMQValueParamBaseComponent
{
public:
    using HMQValueParamBaseComponent::HMQValueParamBaseComponent;

    void paint(juce::Graphics& g) override;
    int getUIFormTableID() override;
    int getPartialId() override { return 1; }
};
