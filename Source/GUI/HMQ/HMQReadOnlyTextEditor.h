#pragma once

#include "GUI/Widgets/RSReadOnlyTextEditor.h"

// The read-only value field the form engine makes for every "edittext_ro".
class HMQReadOnlyTextEditor : public RSReadOnlyTextEditor
{
public:
    explicit HMQReadOnlyTextEditor(const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQReadOnlyTextEditor)
};
