#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The first tab of a librarian tab panel (the Orva global page, the preset
// pages of the DWQ and HMQ). The subclass creates the content in
// initialise(); the tab owns it.
class RSLibROMSubTabBase : public juce::Component
{
public:
    RSLibROMSubTabBase() = default;
    ~RSLibROMSubTabBase() override;

    virtual void initialise() = 0;

    juce::Component* getContentComponent() const noexcept { return m_ContentComponent; }

protected:
    juce::Component* m_ContentComponent = nullptr; // owned

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSLibROMSubTabBase)
};
