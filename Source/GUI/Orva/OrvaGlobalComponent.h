#pragma once

#include "GUI/Editor/RSLibROMComponentBase.h"

class RSWideSwitch;
class RSValDispButton;

// The Orva amplifier's global controls: the "WIDE" switch (0x4200), the
// "USB ROUTING" button, which shows the routing (0x4300) and opens its page,
// and the "AUDIO EQ" button, which shows the current EQ slot (0x4400) and
// opens the audio-EQ editor. It works on the global section of the
// connected Orva model and follows its section events.
class OrvaGlobalComponent : public RSLibROMComponentBase,
                            public juce::Slider::Listener,
                            public juce::TextEditor::Listener,
                            public juce::Label::Listener,
                            public juce::ComboBox::Listener
{
public:
    static constexpr int wideParamId = 0x4200;
    static constexpr int usbRoutingParamId = 0x4300;
    static constexpr int audioEQParamId = 0x4400;

    // The third and fourth values are the page's width and height.
    OrvaGlobalComponent(int x, int y, int width, int height);
    ~OrvaGlobalComponent() override;

    void initialise() override;
    void buttonClicked(juce::Button* button) override;
    // Section events: reinitialised or properties changed (1, 2) show, hide,
    // enable or disable the control of the id; a value change (3) refreshes
    // it; 18 and 19 repaint the routing and EQ buttons.
    void handleMessageSub(const juce::Message& message);

    void sliderValueChanged(juce::Slider*) override {}
    void labelTextChanged(juce::Label*) override {}
    void comboBoxChanged(juce::ComboBox*) override {}

    RSWideSwitch* getWideSwitch() const noexcept { return m_Wide; }
    RSValDispButton* getUSBRoutingButton() const noexcept { return m_USBRouting; }
    RSValDispButton* getAudioEQButton() const noexcept { return m_AudioEQ; }

protected:
    int m_Width;
    int m_Height;
    RSWideSwitch* m_Wide = nullptr;          // owned
    RSValDispButton* m_USBRouting = nullptr; // owned
    RSValDispButton* m_AudioEQ = nullptr;    // owned

private:
    juce::Component* findChildByParamId(int paramId) const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OrvaGlobalComponent)
};
