#pragma once

#include "GUI/OPWProgSelectButton.h"

// A slot of an open program file in the Orva PW librarian (programs 8-31:
// file (n - 8) / 8, slot (n - 8) % 8). It shows the slot's name (red while
// the slot is modified) and amp picture; a drop copies the dragged program
// into the slot without a question and selects it.
class OPWFileProgButton : public OPWProgSelectButton
{
public:
    OPWFileProgButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name);
    ~OPWFileProgButton() override = default;

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    void updateBackground() override;
    void RenewButtonSetting() override;
    void itemDropped(const SourceDetails& details) override;

    // Renumbers the button (the "PROGID" property keeps its value).
    void setProgramNumber(int programNumber);
    int getFileIndex() const noexcept { return m_FileIndex; }
    int getIndexInFile() const noexcept { return m_IndexInFile; }

private:
    int m_FileIndex;
    int m_IndexInFile;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWFileProgButton)
};
