#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The base of the file pages: the program buttons of one open program file.
// The command layer renumbers a page when the tabs before it close.
class RSLibFileComponentBase : public juce::Component,
                               public juce::ChangeListener,
                               public juce::Button::Listener
{
public:
    // A page takes the keyboard focus when one of its programs is chosen, and
    // keeps it: it uses no key, so the focus is not passed on to a button
    // around it that a key would press.
    RSLibFileComponentBase() { setWantsKeyboardFocus(true); }
    ~RSLibFileComponentBase() override = default;

    virtual void initialise() = 0;
    void buttonClicked(juce::Button* button) override = 0;
    // Gives the page file index 0-2 (other indexes are ignored).
    virtual void RenewFileIndex(int fileIndex) = 0;
    virtual juce::Button* getFileButtonComponent(int index) = 0;
    // Re-reads every button's name, colour and picture from the file buffer.
    virtual void RenewButtonImages() = 0;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override = 0;
    virtual void SetToggleStateAll(bool on) = 0;
    virtual int getFileIndex() const = 0;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSLibFileComponentBase)
};
