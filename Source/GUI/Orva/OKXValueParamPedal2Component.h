#pragma once

#include "GUI/Orva/OKXValueParamBaseComponent.h"
#include "UIForm/UIFormIds.h"

// The value page of the Orva KX second pedal.
class OKXValueParamPedal2Component : public OKXValueParamBaseComponent
{
public:
    OKXValueParamPedal2Component(EditParamComponent* owner, int width, int height)
        : OKXValueParamBaseComponent(owner, width, height)
    {}

    int getUIFormTableID() const override { return UIFormLayerId::Pedal2Param; }
    int getPartialId() const override { return 2; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXValueParamPedal2Component)
};
