#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class OrvaDataCenter;
class RSOrvaUSBImage;
class RSUSBSelectButton;

// The overlay page on which the USB audio routing mode of an Orva amplifier
// (global parameter 0x4300) is chosen: three mode buttons, the routing
// picture of the current mode and the widgets of form layer 1045.
class USBRoutingSelectComponent : public juce::Component,
                                  public juce::ChangeListener,
                                  public juce::Button::Listener,
                                  public juce::Label::Listener,
                                  public juce::MessageListener
{
public:
    static constexpr int modeButtonGroup = 4104;
    static constexpr int pageWidth = 425;
    static constexpr int pageHeight = 274;

    USBRoutingSelectComponent();
    ~USBRoutingSelectComponent() override;

    void initialize();
    void scan_parameter();
    void init_buttons();
    void clickedOkButton();

    void buttonClicked(juce::Button* button) override;
    void labelTextChanged(juce::Label*) override {}
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void handleMessage(const juce::Message& message) override;
    virtual void renewModeSelect();

    void paint(juce::Graphics& g) override;
    void resized() override;

    juce::TextButton* getOkButton() const noexcept { return okButton.get(); }
    RSUSBSelectButton* getModeButton(int mode) const;
    RSOrvaUSBImage* getRoutingImage() const noexcept { return routingImage; }
    const juce::OwnedArray<juce::Component>& getFormWidgets() const noexcept { return formWidgets; }

private:
    OrvaDataCenter* getDataCenter() const;
    int getModel() const;
    void showMode(int mode);

    std::unique_ptr<juce::TextButton> okButton;
    juce::OwnedArray<RSUSBSelectButton> modeButtons;
    RSOrvaUSBImage* routingImage = nullptr; // one of the form widgets
    juce::OwnedArray<juce::Component> formWidgets;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(USBRoutingSelectComponent)
};
