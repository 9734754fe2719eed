#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The progress of a program dump to or from the amplifier: a bar, a
// RECEIVED/TRANSMIT label and Cancel, which stops the transfer. Lives with
// the main component; parked outside the window while closed.
class CProgressBarDialogComponent : public juce::Component,
                                    public juce::ChangeListener,
                                    public juce::Button::Listener
{
public:
    CProgressBarDialogComponent();
    ~CProgressBarDialogComponent() override;

    void buttonClicked(juce::Button* button) override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;

    void paint(juce::Graphics& g) override;
    void resized() override;

    // Opened by the command layer around a transfer: the bar's range, the
    // value and the text (an empty text keeps the last one).
    void open(juce::Rectangle<int> bounds, juce::Range<int> range, const juce::String& text, int value);
    void close();
    bool isOpen() const noexcept { return isVisible(); }

    juce::Range<int> getRange() const;
    int getValue() const;
    juce::String getText() const;
    juce::TextButton& getCancelButton() noexcept { return *cancelButton; }

    // Shows, until the dialog closes, that a quit waits for this transfer.
    void setQuitWaiting(bool waiting);
    bool isQuitWaiting() const noexcept;
    static const char* const quitWaitingText;

    // The parking place while closed: one pixel just outside the top left.
    static juce::Rectangle<int> parkingBounds();

private:
    std::unique_ptr<juce::Slider> bar;
    std::unique_ptr<juce::Label> label;
    std::unique_ptr<juce::Label> quitNote;
    std::unique_ptr<juce::TextButton> cancelButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CProgressBarDialogComponent)
};
