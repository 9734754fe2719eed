#pragma once

#include "GUI/HMQ/HMQValueParamBaseComponent.h"

// The value page of the amp.
class HMQValueParamAmpComponent : public HMQValueParamBaseComponent
{
public:
    using HMQValueParamBaseComponent::HMQValueParamBaseComponent;

    void paint(juce::Graphics& g) override;
    int getUIFormTableID() override;
    int getPartialId() override { return 0; }
};
