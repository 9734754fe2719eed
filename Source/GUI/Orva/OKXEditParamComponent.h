#pragma once

#include "GUI/Orva/OPWEditParamComponent.h"

// The lower half of the Orva KX editor page: the pedal 1, pedal 2 and amp
// pictures of form layer 1047 and the value page of one module. It writes,
// follows the section events and switches the pedals (switch click, picture
// drag or drop) as the Orva PW area does, over the Orva KX pictures and
// value pages.
class OKXEditParamComponent : public OPWEditParamComponent
{
public:
    OKXEditParamComponent(int width, int height) : OPWEditParamComponent(width, height) {}

protected:
    int pictureModuleOfClass(int classCode) const override;
    OPWValueParamBaseComponent* createValuePage(int module, int width, int height) override;
    bool pedal2SwitchSelectsCatalog() const override { return false; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXEditParamComponent)
};
