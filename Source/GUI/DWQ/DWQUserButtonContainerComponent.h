#pragma once

#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Editor/UserButtonContainerComponent.h"

#include <array>

class RSUserProgButton;

// The panel below the DWQR editor page with the eight user programs A1 to
// B4 (programs 11 to 18): a click selects one on the amplifier and loads it
// into the editor; a program dropped on a button is written there by the
// button, which then selects it through this panel. Two buttons save all
// user programs to a file and load them from one.
class DWQUserButtonContainerComponent : public UserButtonContainerComponent,
                                        public AnotherComponentListner
{
public:
    static constexpr int numButtons = 8;

    DWQUserButtonContainerComponent(int width, int height, int unused);
    ~DWQUserButtonContainerComponent() override;

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;
    void resized() override {}
    void initialise() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button* button) override;
    void handleMessage(const juce::Message& message) override;
    juce::Button* getUserButtonComponent(int index) override;
    void mouseDownByOtherComponent(juce::Component*) override {}
    void mouseUpByOtherComponent(juce::Component* other, bool dragged) override;

    juce::ImageButton* getSaveButton() const noexcept { return saveButton.get(); }
    juce::ImageButton* getLoadButton() const noexcept { return loadButton.get(); }
    // The header text for the present state.
    static juce::String headerText();
    // Lights the button of the current program, or none.
    void lightCurrentProgram();

private:
    int panelWidth;
    int panelHeight;
    std::array<std::unique_ptr<RSUserProgButton>, numButtons> buttons;
    std::unique_ptr<juce::ImageButton> saveButton;
    std::unique_ptr<juce::ImageButton> loadButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQUserButtonContainerComponent)
};
