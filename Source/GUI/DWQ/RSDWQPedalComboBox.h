#pragma once

#include "GUI/Widgets/RSComboBox.h"

// Type selector of the DWQR modulation effect: 5 types, type 0 the "off" entry.
class RSDWQPedalComboBox : public RSComboBox
{
public:
    static constexpr int kNumTypes = 5;

    explicit RSDWQPedalComboBox(const juce::String& name);

    juce::String getPngName(int type) override;
    juce::String getIconPngName(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDWQPedalComboBox)
};
