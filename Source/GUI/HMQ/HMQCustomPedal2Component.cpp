#include "GUI/HMQ/HMQCustomPedal2Component.h"

const HMQCustomFXComponent::PageTable HMQCustomPedal2Component::pageTable { 4,        { "FLANGER", "PHASER", "TREMOLO", "DELAY" },
                                                                            4101,     770,
                                                                            "PEDAL2", 2 };

HMQCustomPedal2Component::HMQCustomPedal2Component(int width, int height) : HMQCustomFXComponent(pageTable, width, height)
{}
