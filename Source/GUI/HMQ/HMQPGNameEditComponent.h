#pragma once

#include "GUI/Editor/PGNameEditComponent.h"

// The program-name strip of the HMQ editor page: the slot label says where
// the current program comes from (a preset, a user program or a file slot)
// and the name box beside it edits the program's name.
class HMQPGNameEditComponent : public PGNameEditComponent
{
public:
    HMQPGNameEditComponent(int width, int height);

    // The slot label of program p in the HMQ numbering (presets 0-59, user
    // programs 60-67, file programs 68-100); false outside, where the label
    // keeps its text. fileNames are the names of file tabs 0 to 2.
    static bool slotLabel(int program, const juce::StringArray& fileNames, juce::String& text,
                          juce::Justification& justification);

protected:
    // In mode 2 the label is blank, whatever the program.
    bool captionForProgram(int n, juce::String& text, juce::Justification& justification) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQPGNameEditComponent)
};
