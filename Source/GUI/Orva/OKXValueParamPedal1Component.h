#pragma once

#include "GUI/Orva/OKXValueParamBaseComponent.h"
#include "UIForm/UIFormIds.h"

// The value page of the Orva KX first pedal.
class OKXValueParamPedal1Component : public OKXValueParamBaseComponent
{
public:
    OKXValueParamPedal1Component(EditParamComponent* owner, int width, int height)
        : OKXValueParamBaseComponent(owner, width, height)
    {}

    int getUIFormTableID() const override { return UIFormLayerId::Pedal1Param; }
    int getPartialId() const override { return 1; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXValueParamPedal1Component)
};
