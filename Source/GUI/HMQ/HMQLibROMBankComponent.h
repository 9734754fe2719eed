#pragma once

#include "GUI/Editor/RSLibROMComponentBase.h"

class HMQPresetProgButton;

// The page of one HMQ preset bank: its twenty presets in two columns of
// ten. A click selects the preset on the amplifier and loads it into the
// editor. The three banks (A green, B yellow-green, C red) differ only in
// their first program.
class HMQLibROMBankComponent : public RSLibROMComponentBase
{
public:
    static constexpr int numButtons = 20;

    HMQLibROMBankComponent(int firstProgram, int x, int y, int width, int height);
    ~HMQLibROMBankComponent() override;

    void initialise() override;
    void buttonClicked(juce::Button* button) override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;

    void paint(juce::Graphics& g) override;
    void resized() override {}

    int getFirstProgram() const noexcept { return m_FirstProgram; }
    HMQPresetProgButton* getButton(int k) const { return m_Buttons[k]; }
    // Each button takes its preset's name from the data centre.
    void RenewButtonImages();

private:
    int m_FirstProgram;
    juce::Rectangle<int> m_Bounds;
    juce::Rectangle<int> m_CellRect;
    juce::OwnedArray<HMQPresetProgButton> m_Buttons;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMBankComponent)
};
