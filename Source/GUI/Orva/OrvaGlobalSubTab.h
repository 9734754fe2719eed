#pragma once

#include "GUI/Editor/RSLibROMSubTabBase.h"

class OrvaGlobalComponent;

// The Orva librarian's global tab: it holds a full global page. Only the
// routing (18) and audio-EQ (19) events reach the page through it; change
// broadcasts and clicks stop here.
class OrvaGlobalSubTab : public RSLibROMSubTabBase,
                         public juce::Button::Listener,
                         public juce::ChangeListener
{
public:
    // The tab's origin and size, and the tab-bar depth.
    OrvaGlobalSubTab(int x, int y, int width, int height, int depth);
    ~OrvaGlobalSubTab() override = default;

    void initialise() override;
    void buttonClicked(juce::Button*) override {}
    void changeListenerCallback(juce::ChangeBroadcaster*) override {}
    void handleMessageSub(const juce::Message& message);

    OrvaGlobalComponent* getGlobalComponent() const noexcept { return m_GlobalComponent; }

private:
    int m_X, m_Y, m_Width, m_Height, m_Depth;
    OrvaGlobalComponent* m_GlobalComponent = nullptr; // the content, owned by the base

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OrvaGlobalSubTab)
};
