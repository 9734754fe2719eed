#include "GUI/HMQ/HMQValueParamPedal2Component.h"

#include "UIForm/UIFormIds.h"

void HMQValueParamPedal2Component::paint(juce::Graphics& g)
{
    paintLines(g, { 174, 588 });
}

int HMQValueParamPedal2Component::getUIFormTableID()
{
    return UIFormLayerId::Pedal2Param;
}
