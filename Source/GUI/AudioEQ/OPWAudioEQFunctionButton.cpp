#include "GUI/AudioEQ/OPWAudioEQFunctionButton.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "OrvaPW/OPWDataCenter.h"

OPWAudioEQFunctionButton::OPWAudioEQFunctionButton(juce::Component* ownerComponent, int groupId, int slot,
                                                   const juce::String& text)
    : RSAudioEQFunctionButton(ownerComponent, groupId, slot, text)
{
    frameColour = juce::Colour(0xFFE2E2E2);
    fillColour = juce::Colours::grey;
}

OrvaDataCenter* OPWAudioEQFunctionButton::getModelDataCenter() const
{
    auto* environment = getCurrentDeviceEnvironment();
    return environment != nullptr ? dynamic_cast<OPWDataCenter*>(environment->getDataCenter()) : nullptr;
}

juce::String OPWAudioEQFunctionButton::getConfirmationText() const
{
    return "Write to Orva PW's Audio EQ ?";
}
