#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The single-line box in which the current program's name is edited.
class PGNameBoxComponent : public juce::TextEditor
{
public:
    explicit PGNameBoxComponent(const juce::String& name);

    void paint(juce::Graphics& g) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(PGNameBoxComponent)
};
