#include "GUI/Widgets/RSToggleSwitch.h"

#include "Core/ProductModel.h"
#include "GUI/Widgets/RSWidgetSupport.h"

RSToggleSwitch::RSToggleSwitch(const juce::String& name) : juce::ImageButton(name)
{
    RSWidgetSupport::reachByMouseOnly(*this);
    setColour(juce::TextButton::buttonColourId, juce::Colours::transparentBlack);
    setColour(juce::TextButton::buttonOnColourId, juce::Colours::transparentBlack);

    const auto names = getImageNamesForModel(RSWidgetSupport::getCurrentModelId());
    const auto off = RSWidgetSupport::getImage(names[0]);
    const auto over = RSWidgetSupport::getImage(names[1]);
    const auto on = RSWidgetSupport::getImage(names[2]);
    if (off.isValid() && over.isValid() && on.isValid())
        setImages(true, true, true, off, 1.0f, juce::Colours::transparentBlack, over, 1.0f, juce::Colours::transparentBlack, on,
                  1.0f, juce::Colours::transparentBlack);
}

juce::StringArray RSToggleSwitch::getImageNamesForModel(int modelId)
{
    if (modelId == kProductModelDWQ || modelId == kProductModelHMQ)
        return { "PowerSWOFF_44x44", "PowerSWBtnON1_44x44", "PowerSWON_44x44" };
    return { "PowerSW2OFF_5050", "PowerSW2Over_5050", "PowerSW2ON_5050" };
}

void RSToggleSwitch::mouseDown(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

void RSToggleSwitch::resized()
{
    juce::ImageButton::resized();
}
