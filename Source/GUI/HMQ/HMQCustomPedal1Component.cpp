#include "GUI/HMQ/HMQCustomPedal1Component.h"

const HMQCustomFXComponent::PageTable HMQCustomPedal1Component::pageTable {
    0, { "COMP", "CHORUS", "OVERDRIVE", "DISTORTION" }, 4100, 769, "PEDAL1", 1
};

HMQCustomPedal1Component::HMQCustomPedal1Component(int width, int height) : HMQCustomFXComponent(pageTable, width, height)
{}
