#pragma once

#include "GUI/HMQ/HMQCustomFXComponent.h"

// The custom PEDAL2 page of the HMQ: its four variations FLANGER, PHASER, TREMOLO, DELAY.
class HMQCustomPedal2Component : public HMQCustomFXComponent
{
public:
    static const PageTable pageTable;

    HMQCustomPedal2Component(int width, int height);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCustomPedal2Component)
};
