#pragma once

#include "GUI/HMQ/HMQProgSelectButton.h"

// One of the eight user programs of the HMQ (A1 to B4, programs 60-67). A
// click selects it on the amplifier (the container does that); a program
// dropped on it is written there and sent after the confirmation.
class HMQUserProgButton : public HMQProgSelectButton
{
public:
    HMQUserProgButton(juce::Component* parent, int groupId, int ampType, int program, const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    // The box of a text line at (x, y) of width w, kept inside the button;
    // the line is drawn whole in it over textBacking.
    juce::Rectangle<int> textBox(int x, int y, int w) const;
    static constexpr juce::uint32 textBacking = 0xE01A1B1E;
    void updateBackground() override;
    void RenewButtonSetting() override {}
    void itemDropped(const SourceDetails& details) override;

    // Writes program `src` (the edited program for the current-program
    // drag) into user program dest (60-67), sends it and selects the slot.
    static void afterDropExecute(int dest, int src, juce::String& dragId);

    int getUserIndex() const noexcept { return m_UserIndex; }

private:
    int m_UserIndex;
    int m_ImageType = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQUserProgButton)
};
