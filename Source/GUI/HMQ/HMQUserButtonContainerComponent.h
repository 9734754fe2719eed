#pragma once

#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Editor/UserButtonContainerComponent.h"

class HMQUserProgButton;

// The eight user programs of the HMQ (A1-A4 above B1-B4) with the buttons
// that save all user programs to a file and load them from one. A click on
// a user button selects that program on the amplifier and in the editor.
class HMQUserButtonContainerComponent : public UserButtonContainerComponent,
                                        public AnotherComponentListner
{
public:
    HMQUserButtonContainerComponent(int width, int height, int extra);
    ~HMQUserButtonContainerComponent() override;

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;
    void resized() override {}
    void initialise() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button* button) override;
    void handleMessage(const juce::Message& message) override;
    juce::Button* getUserButtonComponent(int index) override;
    void mouseDownByOtherComponent(juce::Component* source) override;
    void mouseUpByOtherComponent(juce::Component* source, bool wasDragging) override;

    juce::Button* getSaveUserButton() const noexcept { return m_SaveButton.get(); }
    juce::Button* getLoadUserButton() const noexcept { return m_LoadButton.get(); }

private:
    void selectUserProgram(HMQUserProgButton& button);

    juce::OwnedArray<HMQUserProgButton> m_Buttons;
    std::unique_ptr<juce::ImageButton> m_SaveButton;
    std::unique_ptr<juce::ImageButton> m_LoadButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQUserButtonContainerComponent)
};
