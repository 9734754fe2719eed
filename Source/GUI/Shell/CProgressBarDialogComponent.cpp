#include "GUI/Shell/CProgressBarDialogComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "Platform/BluetoothMidiPairing.h"

const char* const CProgressBarDialogComponent::quitWaitingText = "Quit waits for the end of the transfer.";

CProgressBarDialogComponent::CProgressBarDialogComponent()
{
    bar = std::make_unique<juce::Slider>(juce::Slider::LinearBar, juce::Slider::TextBoxAbove);
    bar->setRange(0.0, 19.0, 1.0);
    bar->setValue(0.0, juce::sendNotificationAsync);
    bar->setEnabled(false);
    addAndMakeVisible(bar.get());

    label = std::make_unique<juce::Label>(juce::String(), juce::String());
    label->setFont(juce::Font(20.0f));
    // The dialog is white: the default (white) label text would not show.
    label->setColour(juce::Label::textColourId, juce::Colours::black);
    addAndMakeVisible(label.get());

    quitNote = std::make_unique<juce::Label>(juce::String(), quitWaitingText);
    quitNote->setFont(juce::Font(13.0f));
    quitNote->setColour(juce::Label::textColourId, juce::Colours::black);
    addChildComponent(quitNote.get());

    cancelButton = std::make_unique<juce::TextButton>("Cancel");
    cancelButton->setButtonText("Cancel");
    cancelButton->setColour(juce::TextButton::buttonColourId, juce::Colour(0xFF505050));
    cancelButton->setColour(juce::TextButton::buttonOnColourId, juce::Colour(0xFF2F2FCB));
    cancelButton->setColour(juce::TextButton::textColourOffId, juce::Colours::white);
    addAndMakeVisible(cancelButton.get());
    cancelButton->addListener(this);

    setBounds(parkingBounds());
}

CProgressBarDialogComponent::~CProgressBarDialogComponent()
{
    if (isCurrentlyModal(false))
        exitModalState(0);
    bar.reset();
    label.reset();
    quitNote.reset();
    cancelButton.reset();
}

juce::Rectangle<int> CProgressBarDialogComponent::parkingBounds()
{
    return { -1, -1, 1, 1 };
}

void CProgressBarDialogComponent::open(juce::Rectangle<int> bounds, juce::Range<int> range, const juce::String& text, int value)
{
    if (! range.isEmpty())
        bar->setRange(range.getStart(), range.getEnd(), 1.0);
    bar->setValue(value, juce::sendNotificationAsync);
    if (text.isNotEmpty())
        label->setText(text, juce::sendNotification);
    setBounds(bounds);
    setVisible(true);
    toFront(false);
    if (! isCurrentlyModal(false))
        enterModalState(false);
}

void CProgressBarDialogComponent::close()
{
    // The end of every transfer chain closes the dialog, also of one that
    // never showed it: only a dialog that was open hands the focus on.
    const bool wasOpen = isOpen();
    if (isCurrentlyModal(false))
        exitModalState(0);
    // The focus goes back to the window, wherever it was while the dialog
    // stood in front (the menu button that started the transfer, the Cancel
    // button): the window keeps it there.
    if (wasOpen)
        FocusHandOver::give(getParentComponent());
    setVisible(false);
    quitNote->setVisible(false);
    setBounds(parkingBounds());
}

void CProgressBarDialogComponent::setQuitWaiting(bool waiting)
{
    quitNote->setVisible(waiting);
}

bool CProgressBarDialogComponent::isQuitWaiting() const noexcept
{
    return quitNote->isVisible();
}

juce::Range<int> CProgressBarDialogComponent::getRange() const
{
    return { (int) bar->getMinimum(), (int) bar->getMaximum() };
}

int CProgressBarDialogComponent::getValue() const
{
    return (int) bar->getValue();
}

juce::String CProgressBarDialogComponent::getText() const
{
    return label->getText();
}

void CProgressBarDialogComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colours::white);
}

void CProgressBarDialogComponent::resized()
{
    const int w = getWidth();
    label->setBounds(40, 20, 200, 26);
    bar->setBounds(15, 60, w - 30, 13);
    cancelButton->setBounds(w - 120, 90, 100, 25);
    quitNote->setBounds(15, 92, juce::jmax(0, w - 150), 21);
}

void CProgressBarDialogComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    if (midi == nullptr)
        return;

    if (midi->isBulkReceive())
    {
        bar->setValue(midi->getSequenceCounter() + 1, juce::sendNotificationAsync);
        label->setText("RECEIVED...", juce::sendNotification);
    }
    else if (midi->isBulkTransmit())
    {
        bar->setValue(midi->getSequenceCounter() + 1, juce::sendNotificationAsync);
        label->setText("TRANSMIT...", juce::sendNotification);
    }
}

void CProgressBarDialogComponent::buttonClicked(juce::Button* button)
{
    if (button != cancelButton.get())
        return;

    juce::Logger::writeToLog("CProgressBarDialogComponent::buttonClicked() cancel");
    // Every transfer flag goes, so the chain stops at its next step and a new
    // transfer may start.
    auto* host = Host::getInstance();
    if (auto* midi = host != nullptr ? host->getMidiManager() : nullptr)
    {
        midi->setSyncRunning(false);
        midi->setBulkReceive(false);
        midi->setBulkTransmit(false);
        midi->setCustomBulkReceive(false);
        midi->setAudioEQBulkReceive(false);
    }
    // A quit that waited for this transfer is given up with it.
    if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
        actions->setQuitRequested(false);

    FocusHandOver::give(getParentComponent());
    close();
    repaint();

    // There is no pairing window on this platform to switch back on.
}
