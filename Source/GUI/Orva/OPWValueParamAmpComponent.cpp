#include "GUI/Orva/OPWValueParamAmpComponent.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "UIForm/UIFormIds.h"

OPWValueParamAmpComponent::OPWValueParamAmpComponent(EditParamComponent* owner, int width, int height)
    : OPWValueParamBaseComponent(owner, width, height)
{}

int OPWValueParamAmpComponent::getUIFormTableID() const
{
    return UIFormLayerId::AmpParam;
}

void OPWValueParamAmpComponent::paint(juce::Graphics& g)
{
    const auto panel = RSWidgetSupport::getImage("bg_orvaPW_panel");
    if (panel.isValid())
        g.drawImageAt(panel, 5, 0);
}
