#include "GUI/Orva/OPWPGNameEditComponent.h"

#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Editor/PGNameBoxComponent.h"

namespace
{
constexpr int manualMode = 2;
}

OPWPGNameEditComponent::OPWPGNameEditComponent(int width, int height) : PGNameEditComponent(width, height)
{
    resized();
}

void OPWPGNameEditComponent::resized()
{
    m_Label->setBounds(0, 4, 230, getHeight() - 8);
    m_NameBox->setBounds(233, 4, 304, getHeight() - 8);
}

void OPWPGNameEditComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    auto* host = Host::getInstance();
    auto* dataCenter = EditTarget::dataCenter();
    if (host == nullptr || dataCenter == nullptr)
        return;

    m_NameBox->setColour(juce::TextEditor::textColourId, juce::Colours::white);
    m_NameBox->setText(shownProgramName(*dataCenter), true);

    const int p = host->getStateHolder() != nullptr ? host->getStateHolder()->currentProgram : 0;
    const bool manual = dataCenter->GetMode() == manualMode;
    juce::String caption;
    if (p < 0) // a program with no slot (its file tab was closed): no caption
        caption = {};
    else if (p < 4)
        caption = manual ? juce::String("MANUAL") : juce::String::formatted("A%01d", p + 1);
    else if (p < 8)
        caption = manual ? juce::String("MANUAL") : juce::String::formatted("B%01d", p - 3);
    else if (p < 32)
        caption = dataCenter->getFileName((p - 8) / 8);
    else
        return;
    m_Label->setJustificationType(juce::Justification::centred);
    m_Label->setText(caption, juce::dontSendNotification);
}
