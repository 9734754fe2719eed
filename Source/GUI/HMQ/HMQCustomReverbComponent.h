#pragma once

#include "GUI/HMQ/HMQCustomFXComponent.h"

// The custom REVERB page of the HMQ: its four variations ROOM, SPRING, HALL, PLATE.
class HMQCustomReverbComponent : public HMQCustomFXComponent
{
public:
    static const PageTable pageTable;

    HMQCustomReverbComponent(int width, int height);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCustomReverbComponent)
};
