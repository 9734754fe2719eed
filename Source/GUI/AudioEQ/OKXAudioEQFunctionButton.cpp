#include "GUI/AudioEQ/OKXAudioEQFunctionButton.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "OrvaKX/OKXDataCenter.h"

OKXAudioEQFunctionButton::OKXAudioEQFunctionButton(juce::Component* ownerComponent, int groupId, int slot,
                                                   const juce::String& text)
    : RSAudioEQFunctionButton(ownerComponent, groupId, slot, text)
{
    frameColour = juce::Colours::yellow;
    fillColour = juce::Colour(0x2BF97B00);
}

OrvaDataCenter* OKXAudioEQFunctionButton::getModelDataCenter() const
{
    auto* environment = getCurrentDeviceEnvironment();
    return environment != nullptr ? dynamic_cast<OKXDataCenter*>(environment->getDataCenter()) : nullptr;
}

juce::String OKXAudioEQFunctionButton::getConfirmationText() const
{
    return "Write to Orva KX's Audio EQ ?";
}
