#include "GUI/Shell/CAboutDialogComponent.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Common/ModelInformation.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/SupportedModels.h"
#include "Core/Utility.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/ImageResourceManager.h"

namespace
{
const juce::Colour buttonColour(0xFF505050);
const juce::Colour buttonOnColour(0xFF2F2FCB);
const juce::Colour labelTextColour(0xFFEEEEEE);

#if JUCE_MAC
const char* const osTypeText = " (MacOS)";
#else
const char* const osTypeText = " (Linux)";
#endif
} // namespace

CAboutDialogComponent::CAboutDialogComponent()
{
    okButton = std::make_unique<juce::TextButton>("OK");
    okButton->setButtonText("OK");
    okButton->setColour(juce::TextButton::buttonColourId, buttonColour);
    okButton->setColour(juce::TextButton::buttonOnColourId, buttonOnColour);
    okButton->setColour(juce::TextButton::textColourOffId, juce::Colours::white);
    addAndMakeVisible(okButton.get());
    okButton->addListener(this);

    osTypeLabel = makeLabel("ostype", 17.0f, osTypeText);
    versionLabel = makeLabel("labelVersion", 20.0f, "version 0.00");
    connectionLabel = makeLabel("labelConnection", 15.0f, "Status : Not Connected");
    deviceVersionLabel = makeLabel("labelVersion", 15.0f, "DWQ R : version 0.00");
    rightLabel = makeLabel("right", 15.0f, "Free software under the GNU GPL, version 3 or later.");

    setSize(480, 200);
    setWantsKeyboardFocus(true);
}

CAboutDialogComponent::~CAboutDialogComponent()
{
    okButton.reset();
    osTypeLabel.reset();
    versionLabel.reset();
    connectionLabel.reset();
    deviceVersionLabel.reset();
    rightLabel.reset();
}

std::unique_ptr<juce::Label> CAboutDialogComponent::makeLabel(const juce::String& name, float height, const juce::String& text)
{
    auto label = std::make_unique<juce::Label>(name, text);
    label->setFont(FontLibrary::makeFont("Arial", height, juce::Font::plain));
    label->setJustificationType(juce::Justification::centredLeft);
    label->setEditable(false, false, false);
    label->setColour(juce::Label::textColourId, labelTextColour);
    label->setColour(juce::TextEditor::textColourId, juce::Colours::white);
    label->setColour(juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    addAndMakeVisible(label.get());
    return label;
}

void CAboutDialogComponent::refreshLabels()
{
    auto* host = Host::getInstance();
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    const int model = environment != nullptr ? (int) environment->getDeviceInfo().model : -1;

    juce::String name;
    if (auto* models = SupportedModels::instance())
        if (auto* info = models->getInformation(model))
            name = info->getName();
    if (name.isEmpty())
        name = getDeviceNameFromModelId((eProductModelId) model);

    auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
    const bool synchronised = dataCenter != nullptr && dataCenter->isSynchronised();
    const auto device = environment != nullptr ? environment->getDeviceInfo() : DeviceInfo();

    connectionLabel->setText("Target : "
                                 + (synchronised ? "Connected(via " + device.midiInName + ")" : juce::String(": Not Connected")),
                             juce::sendNotification);
    versionLabel->setText(juce::String("version ") + "1.2.2", juce::sendNotification);
    deviceVersionLabel->setText(synchronised ? "[" + name + " : version " + juce::String::formatted("%01d", device.version1) + "."
                                                   + juce::String::formatted("%02d", device.version2) + "]"
                                             : juce::String("[Target : version -.--]"),
                                juce::sendNotification);
}

void CAboutDialogComponent::paint(juce::Graphics& g)
{
    if (auto* images = ImageResourceManager::instance())
    {
        const auto image = images->getImage("RigSmithAbout");
        if (image.isValid())
            g.drawImageAt(image, 1, 1);
    }
    refreshLabels();
}

void CAboutDialogComponent::resized()
{
    const int h = getHeight();
    versionLabel->setBounds(16, 100, 112, 24);
    osTypeLabel->setBounds(126, 100, 160, 24);
    connectionLabel->setBounds(16, 120, 340, 24);
    deviceVersionLabel->setBounds(66, 140, 240, 24);
    rightLabel->setBounds(16, 160, 320, 24);
    okButton->setBounds(350, h - 44, 100, 24);
}

void CAboutDialogComponent::buttonClicked(juce::Button* button)
{
    if (button == okButton.get())
        broadcastMessageId(MessageId::AboutPageClosed);
}

bool CAboutDialogComponent::keyPressed(const juce::KeyPress& key)
{
    if (key == juce::KeyPress::escapeKey)
        broadcastMessageId(MessageId::AboutPageClosed);
    return false; // the key mappings see every key too
}

void CAboutDialogComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage != nullptr && myMessage->getId() == MessageId::ConnectionStatus)
        repaint();
}
