#pragma once

#include "GUI/Editor/RSUserSubTabBase.h"

class HMQCustomBaseSubTab;
class HMQUserButtonContainerComponent;
class HMQUserButtonSubTab;

// The lower panel of the HMQ screen, below the editor page: the tabs
// "PROGRAM" (the user programs) and "CUSTOM AMP/FX" (the custom pages) on
// its right edge. It turns to the custom pages when a custom tab opens and
// back when it closes, unless the user chose them by hand; a program drag
// entering it turns to "PROGRAM".
class HMQUserSubTab : public RSUserSubTabBase,
                      public juce::ChangeListener,
                      public juce::Button::Listener,
                      public juce::DragAndDropTarget
{
public:
    HMQUserSubTab(int x, int y, int width, int height);
    ~HMQUserSubTab() override;

    void initialise() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button* button) override;
    void handleMessageSub(const juce::Message& message);
    bool isInterestedInDragSource(const SourceDetails&) override { return true; }
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails&) override {}
    void itemDragExit(const SourceDetails&) override {}
    void itemDropped(const SourceDetails&) override {}

    void paint(juce::Graphics&) override {}

    juce::TabbedComponent* getTabs() const noexcept { return m_Tabs.get(); }
    HMQUserButtonSubTab* getProgramPage() const noexcept { return m_ProgramPage.get(); }
    HMQCustomBaseSubTab* getCustomPage() const noexcept { return m_CustomPage.get(); }
    HMQUserButtonContainerComponent* getUserButtonContainer() const noexcept;
    bool isCustomTabChosen() const noexcept { return m_CustomTabChosen; }

private:
    juce::Rectangle<int> m_Bounds;
    juce::Rectangle<int> m_LocalRect;
    bool m_CustomTabChosen = false;
    std::unique_ptr<HMQUserButtonSubTab> m_ProgramPage;
    std::unique_ptr<HMQCustomBaseSubTab> m_CustomPage;
    std::unique_ptr<juce::TabbedComponent> m_Tabs;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQUserSubTab)
};
