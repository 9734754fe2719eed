#pragma once

#include "GUI/Editor/RSLibROMSubTabBase.h"

class HMQLibROMBankSubTab;

// The "PRESET" tab of the HMQ librarian: the sixty factory presets in three
// bank tabs, "PRESET A" to "PRESET C". The bank of the current program comes
// to the front on every refresh. It takes no drop.
class HMQLibROMSubTab : public RSLibROMSubTabBase,
                        public juce::Button::Listener,
                        public juce::ChangeListener,
                        public juce::DragAndDropTarget
{
public:
    HMQLibROMSubTab(int x, int y, int width, int height, int depth);
    ~HMQLibROMSubTab() override;

    void initialise() override;
    void buttonClicked(juce::Button*) override {}
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    bool isInterestedInDragSource(const SourceDetails&) override { return true; }
    void itemDragEnter(const SourceDetails&) override {}
    void itemDragMove(const SourceDetails&) override {}
    void itemDragExit(const SourceDetails&) override {}
    void itemDropped(const SourceDetails&) override {}

    juce::TabbedComponent* getTabs() const noexcept { return m_Tabs.get(); }
    HMQLibROMBankSubTab* getBankTab(int bank) const;

private:
    juce::Rectangle<int> m_Bounds;
    int m_Depth;
    std::unique_ptr<juce::TabbedComponent> m_Tabs;
    std::unique_ptr<HMQLibROMBankSubTab> m_BankTabs[3];

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMSubTab)
};
