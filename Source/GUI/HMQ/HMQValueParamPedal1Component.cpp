#include "GUI/HMQ/HMQValueParamPedal1Component.h"

#include "UIForm/UIFormIds.h"

void HMQValueParamPedal1Component::paint(juce::Graphics& g)
{
    paintLines(g, { 174, 588 });
}

int HMQValueParamPedal1Component::getUIFormTableID()
{
    return UIFormLayerId::Pedal1Param;
}
