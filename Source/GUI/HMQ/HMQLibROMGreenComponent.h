#pragma once

#include "GUI/HMQ/HMQLibROMBankComponent.h"

// The page of presets 0 to 19.
class HMQLibROMGreenComponent : public HMQLibROMBankComponent
{
public:
    HMQLibROMGreenComponent(int x, int y, int width, int height) : HMQLibROMBankComponent(0, x, y, width, height) {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMGreenComponent)
};
