#pragma once

#include "GUI/Orva/OKXValueParamBaseComponent.h"
#include "UIForm/UIFormIds.h"

// The value page of the Orva KX amplifier.
class OKXValueParamAmpComponent : public OKXValueParamBaseComponent
{
public:
    OKXValueParamAmpComponent(EditParamComponent* owner, int width, int height) : OKXValueParamBaseComponent(owner, width, height)
    {}

    int getUIFormTableID() const override { return UIFormLayerId::AmpParam; }
    int getPartialId() const override { return 0; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXValueParamAmpComponent)
};
