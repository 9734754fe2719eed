#include "GUI/HMQ/HMQCustomReverbComponent.h"

const HMQCustomFXComponent::PageTable HMQCustomReverbComponent::pageTable { 8,        { "ROOM", "SPRING", "HALL", "PLATE" },
                                                                            4102,     772,
                                                                            "REVERB", 3 };

HMQCustomReverbComponent::HMQCustomReverbComponent(int width, int height) : HMQCustomFXComponent(pageTable, width, height)
{}
