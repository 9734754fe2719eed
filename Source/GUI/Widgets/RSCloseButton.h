#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The small close picture on a program-file tab.
class RSCloseButton : public juce::ImageButton
{
public:
    RSCloseButton(juce::TabBarButton* tab, const juce::String& name);
    ~RSCloseButton() override = default;

    juce::TabBarButton* getTabBarButton() const noexcept { return tab; }

private:
    juce::TabBarButton* tab; // not owned

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSCloseButton)
};
