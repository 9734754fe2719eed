#pragma once

#include "GUI/OPWProgSelectButton.h"

// A user slot of the Orva PW librarian (programs 0-7, A1 to B4). A drop
// writes the dragged program into the slot, after the write question, sends
// it to the amplifier and selects the slot; presses are reported to the
// parent (the user-button container), which selects the program.
class OPWUserProgButton : public OPWProgSelectButton
{
public:
    OPWUserProgButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name);
    ~OPWUserProgButton() override = default;

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;

    void updateBackground() override;
    void RenewButtonSetting() override {}
    void itemDropped(const SourceDetails& details) override;

    static void afterDropExecute(int destination, int source, juce::String& dragId);

    int getUserIndex() const noexcept { return m_UserIndex; }

private:
    int m_UserIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWUserProgButton)
};
