#include "GUI/Editor/WriteProgDialogComponent.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ProgramRecordCopy.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Widgets/FocusHandOver.h"

namespace
{
juce::Rectangle<int> mainWindowBounds()
{
    auto* host = Host::getInstance();
    auto* controller = host != nullptr ? host->getMasterGuiController() : nullptr;
    return controller != nullptr ? controller->windowBounds : juce::Rectangle<int>();
}
} // namespace

WriteProgDialogComponent::WriteProgDialogComponent()
{
    m_OkButton = new juce::TextButton("OK");
    m_CancelButton = new juce::TextButton("Cancel");
    m_SlotList = new juce::ComboBox("MidiInDevice");

    const char* items[] = { "USER A1", "USER A2", "USER A3", "USER A4", "USER B1", "USER B2", "USER B3", "USER B4" };
    for (int i = 0; i < 8; ++i)
        m_SlotList->addItem(items[i], i + 1);
    m_SlotList->setEditableText(false);
    m_SlotList->setJustificationType(juce::Justification::centredLeft);

    m_SlotList->setExplicitFocusOrder(0);
    m_OkButton->setExplicitFocusOrder(1);
    m_CancelButton->setExplicitFocusOrder(1);
    m_OkButton->addListener(this);
    m_CancelButton->addListener(this);
    addAndMakeVisible(m_SlotList);
    addAndMakeVisible(m_OkButton);
    addAndMakeVisible(m_CancelButton);

    park();

    // The bus tells it to close with the other overlays (60).
    if (auto* bus = MessageEngine::instance())
        bus->addListener(this);
}

WriteProgDialogComponent::~WriteProgDialogComponent()
{
    if (auto* bus = MessageEngine::instance())
        bus->removeListener(this);
    delete m_OkButton;
    delete m_CancelButton;
    delete m_SlotList;
}

void WriteProgDialogComponent::park()
{
    const auto window = mainWindowBounds();
    setBounds(window.getWidth(), window.getHeight(), 350, 152);
}

void WriteProgDialogComponent::open(int model, int itemId)
{
    m_ModelId = model;
    if (itemId >= 1 && itemId <= 8)
        m_SlotList->setSelectedId(itemId, juce::sendNotificationAsync);
    else
        m_SlotList->setSelectedId(0, juce::sendNotificationAsync);

    setSize(350, 152);
    if (auto* parent = getParentComponent())
        setCentrePosition(parent->getLocalBounds().getCentre());
    setVisible(true);
    toFront(false);
    enterModalState(false);
    FocusHandOver::give(m_OkButton);
}

void WriteProgDialogComponent::resized()
{
    m_OkButton->setBounds(110, 118, 44, 27);
    m_CancelButton->setBounds(172, 118, 68, 27);
    m_SlotList->setBounds(35, 72, 280, 22);
}

void WriteProgDialogComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(0xFF4F4F4F));
    g.setFont(getLookAndFeel().getAlertWindowFont());
    g.setColour(juce::Colour(0xFFC4C4C4));
    g.drawText("Write Current Program to USER PROGRAM ?", 36, 43, 310, 13, juce::Justification::centredLeft, true);
    g.drawText("Write To:", 33, 60, 50, 12, juce::Justification::centredLeft, true);
    g.drawRect(getLocalBounds(), 2);
}

void WriteProgDialogComponent::buttonClicked(juce::Button* button)
{
    if (button == m_OkButton)
        okButtonPressed();
    else if (button == m_CancelButton)
        cancelButtonPressed();
}

void WriteProgDialogComponent::close()
{
    FocusHandOver::give(getParentComponent());
    setVisible(false);
    repaint();
    exitModalState(0);
}

void WriteProgDialogComponent::okButtonPressed()
{
    close();

    // Only a slot of the list: with none selected nothing is written.
    const int slot = m_SlotList->getSelectedItemIndex();
    if (m_ModelId < 0 || m_ModelId > 5 || slot < 0 || slot > 7)
        return;
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (dataCenter == nullptr || ! ProgramRecordCopy::intoUserSlot(*dataCenter, slot, -1, true))
        return;

    if (auto* midi = LibrarianAccess::getMidiManager())
        midi->sendProgDumpOut(dataCenter->getNumbering().firstUser + slot);
    LibrarianAccess::selectUserSlot(slot);
}

void WriteProgDialogComponent::cancelButtonPressed()
{
    close();
    const auto window = mainWindowBounds();
    setTopLeftPosition(window.getWidth(), window.getHeight());
}

bool WriteProgDialogComponent::keyPressed(const juce::KeyPress& key)
{
    if (key.getKeyCode() == juce::KeyPress::escapeKey)
        cancelButtonPressed();
    return false;
}

void WriteProgDialogComponent::handleMessage(const juce::Message& message)
{
    if (auto* myMessage = dynamic_cast<const MyMessage*>(&message))
        if (myMessage->getId() == MessageId::CloseOverlays)
            cancelButtonPressed();
}
