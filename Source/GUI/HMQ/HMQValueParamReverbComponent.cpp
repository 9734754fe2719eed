#include "GUI/HMQ/HMQValueParamReverbComponent.h"

#include "UIForm/UIFormIds.h"

void HMQValueParamReverbComponent::paint(juce::Graphics& g)
{
    paintLines(g, { 174, 588 });
}

int HMQValueParamReverbComponent::getUIFormTableID()
{
    return UIFormLayerId::ReverbParam;
}
