#pragma once

#include "GUI/Widgets/RSComboBox.h"

// Type selector of the DWQR amp: 11 types.
class RSDWQAmpComboBox : public RSComboBox
{
public:
    static constexpr int kNumTypes = 11;

    explicit RSDWQAmpComboBox(const juce::String& name);

    juce::String getPngName(int type) override;
    juce::String getIconPngName(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDWQAmpComboBox)
};
