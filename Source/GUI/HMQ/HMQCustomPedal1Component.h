#pragma once

#include "GUI/HMQ/HMQCustomFXComponent.h"

// The custom PEDAL1 page of the HMQ: its four variations COMP, CHORUS, OVERDRIVE, DISTORTION.
class HMQCustomPedal1Component : public HMQCustomFXComponent
{
public:
    static const PageTable pageTable;

    HMQCustomPedal1Component(int width, int height);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCustomPedal1Component)
};
