#include "GUI/Orva/OPWValueParamPedal2Component.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "UIForm/UIFormIds.h"

OPWValueParamPedal2Component::OPWValueParamPedal2Component(EditParamComponent* owner, int width, int height)
    : OPWValueParamBaseComponent(owner, width, height)
{}

int OPWValueParamPedal2Component::getUIFormTableID() const
{
    return UIFormLayerId::Pedal2Param;
}

void OPWValueParamPedal2Component::paint(juce::Graphics& g)
{
    const auto panel = RSWidgetSupport::getImage("bg_orvaPW_panel");
    if (panel.isValid())
        g.drawImageAt(panel, 5, 0);
}
