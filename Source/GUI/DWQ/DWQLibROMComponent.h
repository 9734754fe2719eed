#pragma once

#include "GUI/Editor/RSLibROMComponentBase.h"

#include <array>

class RSPresetProgButton;

// The "Preset" page of the DWQR librarian: the eleven factory presets as a
// column of buttons. A click selects the preset on the amplifier and loads
// it into the editor; the buttons are drag sources only.
class DWQLibROMComponent : public RSLibROMComponentBase
{
public:
    static constexpr int numButtons = 11;

    DWQLibROMComponent(int x, int y, int w, int h);
    ~DWQLibROMComponent() override;

    void paint(juce::Graphics& g) override;
    void resized() override {}
    void initialise() override;
    void buttonClicked(juce::Button* button) override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;

    RSPresetProgButton* getPresetButton(int index) const;
    // Each button takes its preset's name from the data centre.
    void RenewButtonImages();

private:
    void lightCurrentProgram();

    int pageX, pageY, pageWidth, pageHeight;
    std::array<std::unique_ptr<RSPresetProgButton>, numButtons> buttons;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQLibROMComponent)
};
