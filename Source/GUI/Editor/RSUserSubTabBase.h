#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A tab of the HMQ's lower panel. The subclass creates the content in
// initialise(); the tab owns it.
class RSUserSubTabBase : public juce::Component
{
public:
    RSUserSubTabBase() = default;
    ~RSUserSubTabBase() override;

    virtual void initialise() = 0;

    juce::Component* getContentComponent() const noexcept { return m_ContentComponent; }

protected:
    juce::Component* m_ContentComponent = nullptr; // owned

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSUserSubTabBase)
};
