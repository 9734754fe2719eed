#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The librarian's tab panel: one tab per open program file, after a fixed
// preset tab on the DWQ and HMQ. It remembers which tab was current before
// the last change and whether a change happened since the owner last looked
// (the owner reads and clears m_TabChanged when a tab button is clicked).
class RSTabbedComponent : public juce::TabbedComponent
{
public:
    explicit RSTabbedComponent(juce::TabbedButtonBar::Orientation orientation = juce::TabbedButtonBar::TabsAtTop)
        : juce::TabbedComponent(orientation)
    {}
    ~RSTabbedComponent() override = default;

    void currentTabChanged(int newCurrentTabIndex, const juce::String& newTabName) override;
    void paint(juce::Graphics&) override {}

    bool m_TabChanged = false;
    int m_CurrentTabIndex = -1;
    int m_PreviousTabIndex = -1;
    // Set by the DWQ and HMQ librarians, whose preset tab comes first.
    bool m_FirstTabFixed = false;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSTabbedComponent)
};
