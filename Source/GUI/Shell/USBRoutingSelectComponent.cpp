#include "GUI/Shell/USBRoutingSelectComponent.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/DeviceInfo.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "Core/ProductModel.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Shell/OverlayPageForm.h"
#include "GUI/Shell/RSOrvaUSBImage.h"
#include "GUI/Shell/RSUSBSelectButton.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "UIForm/UIFormIds.h"

namespace
{
constexpr int idUSBRouting = 0x4300;
constexpr int numModes = 3;
} // namespace

USBRoutingSelectComponent::USBRoutingSelectComponent()
{
    setWantsKeyboardFocus(true);
}

USBRoutingSelectComponent::~USBRoutingSelectComponent()
{
    routingImage = nullptr;
    modeButtons.clear(true);
    formWidgets.clear(true);
    okButton.reset();
}

int USBRoutingSelectComponent::getModel() const
{
    auto* environment = getCurrentDeviceEnvironment();
    return environment != nullptr ? (int) environment->getDeviceInfo().model : -1;
}

OrvaDataCenter* USBRoutingSelectComponent::getDataCenter() const
{
    auto* environment = getCurrentDeviceEnvironment();
    if (environment == nullptr || ! isOrvaModel((int) environment->getDeviceInfo().model))
        return nullptr;
    return dynamic_cast<OrvaDataCenter*>(environment->getDataCenter());
}

void USBRoutingSelectComponent::initialize()
{
    okButton = std::make_unique<juce::TextButton>("OkButton");
    okButton->setButtonText("CLOSE");
    // It draws no focus: a key would close the page unseen.
    RSWidgetSupport::reachByMouseOnly(*okButton);
    addAndMakeVisible(okButton.get());
    okButton->addListener(this);

    scan_parameter();
    init_buttons();
    renewModeSelect();
    setSize(pageWidth, pageHeight);
}

void USBRoutingSelectComponent::scan_parameter()
{
    OverlayPageForm::scanLayer(
        *this, UIFormLayerId::USBRoutingParam, this, this,
        [this](int code, juce::Component& widget) {
            if (code != 92)
                return false;
            routingImage = dynamic_cast<RSOrvaUSBImage*>(&widget);
            return routingImage != nullptr;
        },
        formWidgets);
}

void USBRoutingSelectComponent::init_buttons()
{
    const int model = getModel();
    juce::Colour outline, fill;
    if (isOrvaKXModel(model))
    {
        outline = juce::Colours::yellow;
        fill = juce::Colour(0x2BF97B00);
    }
    else if (isOrvaPWModel(model))
    {
        outline = juce::Colour(0xFFE2E2E2);
        fill = juce::Colours::grey;
    }
    else
    {
        return;
    }

    static const char* const texts[numModes] = { "MODE 1", "MODE 2", "MODE 3" };
    for (int mode = 0; mode < numModes; ++mode)
    {
        auto* button = modeButtons.add(new RSUSBSelectButton(this, modeButtonGroup, mode, texts[mode], outline, fill));
        addAndMakeVisible(button);
        button->addListener(this);
        button->setRadioGroupId(modeButtonGroup);
        button->setTriggeredOnMouseDown(true);
    }
}

RSUSBSelectButton* USBRoutingSelectComponent::getModeButton(int mode) const
{
    for (auto* button : modeButtons)
        if (button->getModeIndex() == mode)
            return button;
    return nullptr;
}

void USBRoutingSelectComponent::showMode(int mode)
{
    if (mode < 0 || mode >= numModes)
        return;
    if (auto* button = getModeButton(mode))
        button->setToggleState(true, juce::dontSendNotification);
    if (routingImage != nullptr)
    {
        routingImage->m_Type = mode;
        routingImage->repaint();
    }
}

void USBRoutingSelectComponent::renewModeSelect()
{
    if (auto* dataCenter = getDataCenter())
        showMode(dataCenter->getGlobalSection().GetParamI(idUSBRouting));
}

void USBRoutingSelectComponent::clickedOkButton()
{
    if (MessageEngine::instance() != nullptr)
        broadcastMessageId(MessageId::USBRoutingSelectClosed);
}

void USBRoutingSelectComponent::buttonClicked(juce::Button* button)
{
    if (button == nullptr)
        return;
    if (button == okButton.get())
    {
        clickedOkButton();
        return;
    }
    auto* modeButton = dynamic_cast<RSUSBSelectButton*>(button);
    if (modeButton == nullptr || ! modeButtons.contains(modeButton))
        return; // a switch of the form: nothing more here

    if (isShowing())
        grabKeyboardFocus();
    modeButton->setToggleState(true, juce::dontSendNotification);
    if (auto* dataCenter = getDataCenter())
        dataCenter->getGlobalSection().PutParamI(idUSBRouting, modeButton->getModeIndex());
    if (auto* host = Host::getInstance())
        if (auto* midi = host->getMidiManager())
            midi->sendChangeMessage();
}

void USBRoutingSelectComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    if (! EditTarget::isBulkTrafficRunning())
        renewModeSelect();
}

void USBRoutingSelectComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    const auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr || record->id != MessageId::USBRoutingChanged)
        return;
    // The picture and the buttons follow together.
    showMode(record->a);
}

void USBRoutingSelectComponent::paint(juce::Graphics& g)
{
    const int model = getModel();
    const juce::String name = isOrvaKXModel(model) ? "USBRoutingKX" : isOrvaPWModel(model) ? "USBRoutingPW" : juce::String();
    if (name.isNotEmpty())
    {
        const auto background = RSWidgetSupport::getImage(name);
        if (background.isValid())
            g.drawImageAt(background, 0, 0);
    }
    g.setColour(juce::Colours::black);
    g.fillRect(10, 55, 405, 155);
}

void USBRoutingSelectComponent::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    if (okButton != nullptr)
        okButton->setBounds(w - 106, h - 55, 96, 36);
    for (auto* button : modeButtons)
        button->setBounds(90 + 110 * button->getModeIndex(), 10, 100, 36);
}
