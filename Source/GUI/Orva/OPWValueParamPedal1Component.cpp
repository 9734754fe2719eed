#include "GUI/Orva/OPWValueParamPedal1Component.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "UIForm/UIFormIds.h"

OPWValueParamPedal1Component::OPWValueParamPedal1Component(EditParamComponent* owner, int width, int height)
    : OPWValueParamBaseComponent(owner, width, height)
{}

int OPWValueParamPedal1Component::getUIFormTableID() const
{
    return UIFormLayerId::Pedal1Param;
}

void OPWValueParamPedal1Component::paint(juce::Graphics& g)
{
    const auto panel = RSWidgetSupport::getImage("bg_orvaPW_panel");
    if (panel.isValid())
        g.drawImageAt(panel, 5, 0);
}
