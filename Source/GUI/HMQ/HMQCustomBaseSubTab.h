#pragma once

#include "GUI/Editor/RSUserSubTabBase.h"

class HMQCustomAmpComponent;
class HMQCustomFXComponent;

// The "CUSTOM AMP/FX" tab of the HMQ lower panel: the custom amp page and
// the three custom effect pages, one over the other; the page of the module
// last selected, or whose type last changed, is the one shown.
class HMQCustomBaseSubTab : public RSUserSubTabBase,
                            public juce::Button::Listener,
                            public juce::ChangeListener
{
public:
    HMQCustomBaseSubTab(int x, int y, int width, int height);
    ~HMQCustomBaseSubTab() override;

    void initialise() override;
    void buttonClicked(juce::Button*) override {}
    void changeListenerCallback(juce::ChangeBroadcaster*) override {}
    void handleMessageSub(const juce::Message& message);

    HMQCustomAmpComponent* getAmpContainer() const noexcept { return m_Amp.get(); }
    HMQCustomFXComponent* getPedal1Container() const noexcept { return m_Pedal1.get(); }
    HMQCustomFXComponent* getPedal2Container() const noexcept { return m_Pedal2.get(); }
    HMQCustomFXComponent* getReverbContainer() const noexcept { return m_Reverb.get(); }

private:
    // Shows page `shown` (0 amp, 1 pedal 1, 2 pedal 2, 3 reverb), hides the others.
    void showPage(int shown);

    juce::Rectangle<int> m_Bounds;
    juce::Rectangle<int> m_PageRect;
    std::unique_ptr<HMQCustomAmpComponent> m_Amp;
    std::unique_ptr<HMQCustomFXComponent> m_Pedal1;
    std::unique_ptr<HMQCustomFXComponent> m_Pedal2;
    std::unique_ptr<HMQCustomFXComponent> m_Reverb;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCustomBaseSubTab)
};
