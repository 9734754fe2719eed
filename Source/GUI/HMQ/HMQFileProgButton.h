#pragma once

#include "GUI/HMQ/HMQProgSelectButton.h"

// One of the eleven program slots of an open HMQ program file (file f, slot
// k is program 68 + 11f + k). A click loads it into the editor and sends it
// as the current program (the page does that); a program dropped on it is
// copied into the slot, which then shows as modified.
class HMQFileProgButton : public HMQProgSelectButton
{
public:
    HMQFileProgButton(juce::Component* parent, int groupId, int ampType, int program, const juce::String& name);

    void RenewButtonSetting() override;
    void updateBackground() override;
    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    void itemDropped(const SourceDetails& details) override;

    // Moves the button to another program number (a renumbered file page).
    void setProgramNumber(int program);

    int getFileNumber() const noexcept { return m_FileNumber; }
    int getSlot() const noexcept { return m_Slot; }

private:
    // The slot's record while its tab holds a file; read under the lock.
    const unsigned char* slotRecord() const;

    int m_FileNumber = 0;
    int m_Slot = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQFileProgButton)
};
