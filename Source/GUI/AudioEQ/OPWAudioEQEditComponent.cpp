#include "GUI/AudioEQ/OPWAudioEQEditComponent.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "GUI/AudioEQ/OPWAudioEQFunctionButton.h"
#include "OrvaPW/OPWDataCenter.h"

OrvaDataCenter* OPWAudioEQEditComponent::getModelDataCenter() const
{
    auto* environment = getCurrentDeviceEnvironment();
    return environment != nullptr ? dynamic_cast<OPWDataCenter*>(environment->getDataCenter()) : nullptr;
}

RSAudioEQFunctionButton* OPWAudioEQEditComponent::createSlotButton(int slotIndex, const juce::String& text)
{
    return new OPWAudioEQFunctionButton(this, slotButtonGroup, slotIndex, text);
}
