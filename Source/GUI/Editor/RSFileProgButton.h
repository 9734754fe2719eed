#pragma once

#include "GUI/Editor/LibrarianFileSlotButton.h"
#include "GUI/Editor/RSProgSelectButton.h"

// A slot of an open program file in the DWQ librarian (programs 19-51: tab
// (n - 19) / 11, slot (n - 19) % 11). A drop copies the dragged program into
// the slot without a question and marks it modified.
class RSFileProgButton : public LibrarianFileSlotButton<RSProgSelectButton>
{
public:
    RSFileProgButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name);
    ~RSFileProgButton() override = default;

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    void RenewButtonSetting() override;
    void itemDropped(const SourceDetails& details) override;

    // Moves the button to another slot when its page is renumbered.
    void setProgramNumber(int programNumber);
    int getFileTab() const noexcept { return m_FileTab; }
    int getIndexInTab() const noexcept { return m_IndexInTab; }

private:
    const unsigned char* slotRecord() const;

    int m_FileTab;
    int m_IndexInTab;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSFileProgButton)
};
