#pragma once

#include "GUI/Editor/RSLibFileComponentBase.h"

class HMQFileProgButton;

// The page of one open HMQ program file: its eleven programs in a column.
// A click loads the program into the editor and sends it to the amplifier
// as the current program; no mode change goes out.
class HMQLibFileComponent : public RSLibFileComponentBase
{
public:
    static constexpr int numButtons = 11;

    HMQLibFileComponent(int x, int y, int width, int height, int fileIndex);
    ~HMQLibFileComponent() override;

    void initialise() override;
    void buttonClicked(juce::Button* button) override;
    void RenewFileIndex(int fileIndex) override;
    juce::Button* getFileButtonComponent(int index) override;
    void RenewButtonImages() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void SetToggleStateAll(bool on) override;
    int getFileIndex() const override { return m_FileIndex; }

    void paint(juce::Graphics& g) override;
    void resized() override;

private:
    static int firstProgramOf(int fileIndex);

    int m_FileIndex;
    juce::Rectangle<int> m_Bounds;
    juce::Rectangle<int> m_ButtonRect;
    juce::OwnedArray<HMQFileProgButton> m_Buttons;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibFileComponent)
};
