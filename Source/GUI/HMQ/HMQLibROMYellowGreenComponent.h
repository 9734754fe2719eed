#pragma once

#include "GUI/HMQ/HMQLibROMBankComponent.h"

// The page of presets 20 to 39.
class HMQLibROMYellowGreenComponent : public HMQLibROMBankComponent
{
public:
    HMQLibROMYellowGreenComponent(int x, int y, int width, int height) : HMQLibROMBankComponent(20, x, y, width, height) {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMYellowGreenComponent)
};
