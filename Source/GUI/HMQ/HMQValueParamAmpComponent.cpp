#include "GUI/HMQ/HMQValueParamAmpComponent.h"

#include "UIForm/UIFormIds.h"

void HMQValueParamAmpComponent::paint(juce::Graphics& g)
{
    paintLines(g, { 660 });
}

int HMQValueParamAmpComponent::getUIFormTableID()
{
    return UIFormLayerId::AmpParam;
}
