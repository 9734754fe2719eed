#include "GUI/HMQ/HMQPGNameEditComponent.h"

#include "DataCenter/DataCenter.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Editor/PGNameBoxComponent.h"

HMQPGNameEditComponent::HMQPGNameEditComponent(int width, int height) : PGNameEditComponent(width, height)
{
    m_Label->setBounds(0, 4, 133, height - 8);
    m_NameBox->setBounds(135, 4, 210, height - 8);
}

bool HMQPGNameEditComponent::slotLabel(int program, const juce::StringArray& fileNames, juce::String& text,
                                       juce::Justification& justification)
{
    if (program < 0 || program > 100)
        return false;
    justification = juce::Justification::centredLeft;
    if (program <= 59)
        text = juce::String::formatted("PRESET %01d", program + 1);
    else if (program <= 63)
        text = juce::String::formatted("USER A-%01d", program - 59);
    else if (program <= 67)
        text = juce::String::formatted("USER B-%01d", program - 63);
    else
    {
        const int tab = (program - 68) / 11;
        justification = juce::Justification::centredRight;
        text = fileNames[tab] + ":" + juce::String::formatted("%01d", program - 67 - 11 * tab);
    }
    return true;
}

bool HMQPGNameEditComponent::captionForProgram(int n, juce::String& text, juce::Justification& justification)
{
    auto* dataCenter = EditTarget::dataCenter();
    if (dataCenter == nullptr)
        return false;
    if (dataCenter->GetMode() == 2)
    {
        text.clear();
        justification = juce::Justification::centredLeft;
        return true;
    }
    const juce::StringArray fileNames { dataCenter->getFileName(0), dataCenter->getFileName(1), dataCenter->getFileName(2) };
    return slotLabel(n, fileNames, text, justification);
}
