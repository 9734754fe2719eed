#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The about page: the program's name and version, and the connection state
// and firmware version of the amplifier. OK or Escape closes it (message 34).
class CAboutDialogComponent : public juce::Component,
                              public juce::Button::Listener,
                              public juce::MessageListener
{
public:
    CAboutDialogComponent();
    ~CAboutDialogComponent() override;

    void buttonClicked(juce::Button* button) override;
    void handleMessage(const juce::Message& message) override;

    void paint(juce::Graphics& g) override;
    void resized() override;
    bool keyPressed(const juce::KeyPress& key) override;

    // Brings the labels in step with the connection (paint does this too).
    void refreshLabels();

    juce::Label& getVersionLabel() noexcept { return *versionLabel; }
    juce::Label& getConnectionLabel() noexcept { return *connectionLabel; }
    juce::Label& getDeviceVersionLabel() noexcept { return *deviceVersionLabel; }
    juce::TextButton& getOkButton() noexcept { return *okButton; }

private:
    std::unique_ptr<juce::Label> makeLabel(const juce::String& name, float height, const juce::String& text);

    std::unique_ptr<juce::TextButton> okButton;
    std::unique_ptr<juce::Label> osTypeLabel;
    std::unique_ptr<juce::Label> versionLabel;
    std::unique_ptr<juce::Label> connectionLabel;
    std::unique_ptr<juce::Label> deviceVersionLabel;
    std::unique_ptr<juce::Label> rightLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CAboutDialogComponent)
};
