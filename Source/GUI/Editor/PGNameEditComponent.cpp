#include "GUI/Editor/PGNameEditComponent.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/PGNameBoxComponent.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/FontLibrary.h"

namespace
{
constexpr int maxNameLength = 16;

DataCenter* currentDataCenter()
{
    auto* host = Host::getInstance();
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    return environment != nullptr ? environment->getDataCenter() : nullptr;
}
} // namespace

PGNameEditComponent::PGNameEditComponent(int width, int height)
{
    m_NameBox = new PGNameBoxComponent("PGNameBox");
    m_Label = new juce::Label();
    addAndMakeVisible(m_NameBox);
    addAndMakeVisible(m_Label);

    m_Label->setJustificationType(juce::Justification::centredRight);
    m_Label->setColour(juce::Label::textColourId, juce::Colours::lightgrey);
    m_Label->setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    m_Label->setFont(FontLibrary::makeFont("Arial", 20.0f, juce::Font::plain));

    setSize(width, height);
    m_Label->setBounds(0, 4, 133, height - 8);
    m_NameBox->setBounds(135, 4, 210, height - 8);
    m_NameBox->setFont(FontLibrary::makeFont("Arial", 20.0f, juce::Font::plain));
    m_NameBox->setInputRestrictions(maxNameLength);
    m_NameBox->addListener(this);
    // The name field takes the keyboard focus only from a click on it: when
    // a page or the window passes the focus on (after a drag, a dialog or a
    // hidden widget), the strip is not searched for a field to give it to.
    setFocusContainerType(FocusContainerType::keyboardFocusContainer);

    if (auto* host = Host::getInstance())
        if (auto* broadcaster = host->getChangeBroadcaster())
            broadcaster->addChangeListener(this);
}

PGNameEditComponent::~PGNameEditComponent()
{
    if (auto* host = Host::getInstance())
        if (auto* broadcaster = host->getChangeBroadcaster())
            broadcaster->removeChangeListener(this);
    delete m_NameBox;
    delete m_Label;
}

void PGNameEditComponent::resized()
{
    m_NameBox->setBounds(135, 1, 210, getHeight() - 2);
    m_Label->setBounds(0, 1, 133, getHeight() - 2);
}

juce::String PGNameEditComponent::cleanProgramName(const juce::String& text)
{
    auto bytes = text.substring(0, maxNameLength).toStdString();
    for (auto& c : bytes)
        if ((unsigned char) c < 0x20 || (unsigned char) c >= 0x7F)
            c = ' ';
    return juce::String(bytes);
}

juce::String PGNameEditComponent::shownProgramName(DataCenter& dataCenter)
{
    return ProgramNameText::fromRecord(dataCenter.getEditBuf()).trimEnd();
}

bool PGNameEditComponent::captionForProgram(int n, juce::String& text, juce::Justification& justification)
{
    auto* dataCenter = currentDataCenter();
    if (n >= 0 && n <= 10)
        text = juce::String::formatted("Preset %01d", n + 1);
    else if (n >= 11 && n <= 14)
        text = juce::String::formatted("User A-%01d", n - 10);
    else if (n >= 15 && n <= 18)
        text = juce::String::formatted("User B-%01d", n - 14);
    else if (n >= 19 && n <= 51 && dataCenter != nullptr)
    {
        const int tab = (n - 19) / 11;
        text = dataCenter->getFileName(tab) + ":" + juce::String::formatted("%01d", n - 18 - 11 * tab);
        justification = juce::Justification::centredRight;
        return true;
    }
    else
        return false;
    justification = juce::Justification::centredLeft;
    return true;
}

void PGNameEditComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    auto* host = Host::getInstance();
    auto* dataCenter = currentDataCenter();
    if (host == nullptr || dataCenter == nullptr)
        return;

    const auto name = shownProgramName(*dataCenter);
    const int n = host->getStateHolder() != nullptr ? host->getStateHolder()->currentProgram : 0;

    m_NameBox->setColour(juce::TextEditor::textColourId, juce::Colours::white);
    m_NameBox->setText(name, true);

    juce::String caption;
    auto justification = juce::Justification(juce::Justification::centredLeft);
    if (n < 0) // a program with no slot (its file tab was closed)
    {
        m_Label->setText({}, juce::dontSendNotification);
        return;
    }
    if (captionForProgram(n, caption, justification))
    {
        m_Label->setJustificationType(justification);
        m_Label->setText(caption, juce::dontSendNotification);
    }
}

void PGNameEditComponent::textEditorTextChanged(juce::TextEditor&)
{
    m_NameBox->setColour(juce::TextEditor::textColourId, juce::Colours::white);
    m_NameBox->repaint();
}

void PGNameEditComponent::textEditorReturnKeyPressed(juce::TextEditor&)
{
    const auto text = cleanProgramName(m_NameBox->getText());
    m_NameBox->setColour(juce::TextEditor::textColourId, juce::Colours::white);
    m_NameBox->setText(text, true);

    auto* host = Host::getInstance();
    auto* dataCenter = currentDataCenter();
    if (dataCenter != nullptr)
        dataCenter->setCurProgName(text);
    m_NameBox->repaint();
    if (dataCenter != nullptr)
        if (auto* midi = host != nullptr ? host->getMidiManager() : nullptr)
            midi->sendCurProgDump();

    auto* manager = host != nullptr ? host->getMasterGuiManager() : nullptr;
    auto* window = manager != nullptr ? manager->getMainWindow() : nullptr;
    if (auto* content = window != nullptr ? window->getContentComponent() : nullptr)
        if (content->isShowing())
            content->grabKeyboardFocus();
}

void PGNameEditComponent::textEditorEscapeKeyPressed(juce::TextEditor&)
{
    m_NameBox->repaint();
}

void PGNameEditComponent::textEditorFocusLost(juce::TextEditor&)
{
    if (auto* dataCenter = currentDataCenter())
        m_NameBox->setText(shownProgramName(*dataCenter), true);
    m_NameBox->setColour(juce::TextEditor::textColourId, juce::Colours::white);
    m_NameBox->repaint();
}
