#pragma once

#include "GUI/Editor/RSLibFileComponentBase.h"

#include <array>

class RSFileProgButton;

// The page of one open DWQR program file: its eleven programs as a column
// of buttons. A click loads the program into the editor and sends it to the
// amplifier as the current program; a program dropped on a button is copied
// into that slot by the button.
class DWQLibFileComponent : public RSLibFileComponentBase
{
public:
    static constexpr int numButtons = 11;

    DWQLibFileComponent(int x, int y, int w, int h, int fileIndex);
    ~DWQLibFileComponent() override;

    void paint(juce::Graphics& g) override;
    void resized() override;
    void initialise() override;
    void buttonClicked(juce::Button* button) override;
    // Gives the buttons the programs of another file index; indexes outside
    // 0-2 are ignored.
    void RenewFileIndex(int fileIndex) override;
    juce::Button* getFileButtonComponent(int index) override;
    void RenewButtonImages() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void SetToggleStateAll(bool on) override;
    int getFileIndex() const override { return fileIndex; }

private:
    int firstProgram() const noexcept;

    int fileIndex;
    int pageX, pageY, pageWidth, pageHeight;
    int buttonX = 4, buttonY = 4, buttonWidth = 0, buttonHeight = 0;
    std::array<std::unique_ptr<RSFileProgButton>, numButtons> buttons;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQLibFileComponent)
};
