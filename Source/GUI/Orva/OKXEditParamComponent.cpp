#include "GUI/Orva/OKXEditParamComponent.h"

#include "GUI/Orva/OKXValueParamAmpComponent.h"
#include "GUI/Orva/OKXValueParamPedal1Component.h"
#include "GUI/Orva/OKXValueParamPedal2Component.h"

int OKXEditParamComponent::pictureModuleOfClass(int classCode) const
{
    switch (classCode)
    {
        case 82:
        case 83: return 0; // "imgbtn_amp_orvakx", "imgbtn_amp_small_orvakx"
        case 84: return 1; // "imgbtn_pedal1_orvakx"
        case 85: return 2; // "imgbtn_pedal2_orvakx"
        default: return -1;
    }
}

OPWValueParamBaseComponent* OKXEditParamComponent::createValuePage(int module, int width, int height)
{
    if (module == 1)
        return new OKXValueParamPedal1Component(this, width, height);
    if (module == 2)
        return new OKXValueParamPedal2Component(this, width, height);
    return new OKXValueParamAmpComponent(this, width, height);
}
