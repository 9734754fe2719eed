#include "GUI/AudioEQ/OKXAudioEQEditComponent.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "GUI/AudioEQ/OKXAudioEQFunctionButton.h"
#include "OrvaKX/OKXDataCenter.h"

OrvaDataCenter* OKXAudioEQEditComponent::getModelDataCenter() const
{
    auto* environment = getCurrentDeviceEnvironment();
    return environment != nullptr ? dynamic_cast<OKXDataCenter*>(environment->getDataCenter()) : nullptr;
}

RSAudioEQFunctionButton* OKXAudioEQEditComponent::createSlotButton(int slotIndex, const juce::String& text)
{
    return new OKXAudioEQFunctionButton(this, slotButtonGroup, slotIndex, text);
}
