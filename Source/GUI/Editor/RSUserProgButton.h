#pragma once

#include "GUI/Editor/LibrarianUserSlotButton.h"
#include "GUI/Editor/RSProgSelectButton.h"

// A user slot of the DWQ librarian (programs 11-18, A1 to B4). A drop writes
// the dragged program into the slot after the write question, sends it to
// the amplifier and selects the slot; presses are reported to the parent.
class RSUserProgButton : public LibrarianUserSlotButton<RSProgSelectButton>
{
public:
    RSUserProgButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name);
    ~RSUserProgButton() override = default;

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    void itemDropped(const SourceDetails& details) override;

    // Writes program `source` (the edit buffer for the current-program drag)
    // into DWQ user program `target` (11-18), sends it when something was
    // copied, and selects the slot.
    static void afterDropExecute(int target, int source, juce::String& dragId);

    int getUserIndex() const noexcept { return m_UserIndex; }

private:
    int m_UserIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSUserProgButton)
};
