#pragma once

#include "GUI/HMQ/HMQLibROMBankComponent.h"

// The page of presets 40 to 59.
class HMQLibROMRedComponent : public HMQLibROMBankComponent
{
public:
    HMQLibROMRedComponent(int x, int y, int width, int height) : HMQLibROMBankComponent(40, x, y, width, height) {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMRedComponent)
};
