#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The base of the pages of a librarian's first tab (presets, the Orva
// global settings).
class RSLibROMComponentBase : public juce::Component,
                              public juce::ChangeListener,
                              public juce::Button::Listener
{
public:
    RSLibROMComponentBase() = default;
    ~RSLibROMComponentBase() override = default;

    virtual void initialise() = 0;
    void changeListenerCallback(juce::ChangeBroadcaster*) override {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSLibROMComponentBase)
};
