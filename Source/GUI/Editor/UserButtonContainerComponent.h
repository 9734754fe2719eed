#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The user-program panel of a top view: eight user buttons and a header,
// created and owned by the model subclass.
class UserButtonContainerComponent : public juce::Component,
                                     public juce::ChangeListener,
                                     public juce::Button::Listener
{
public:
    UserButtonContainerComponent(int width, int height, int extra);
    ~UserButtonContainerComponent() override = default;

    virtual void initialise() = 0;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override = 0;
    void buttonClicked(juce::Button* button) override = 0;
    virtual void handleMessage(const juce::Message& message) = 0;
    // The user button of slot 0-7.
    virtual juce::Button* getUserButtonComponent(int index) = 0;

    void mouseDown(const juce::MouseEvent& e) override { juce::Component::mouseDown(e); }
    void resized() override {}
    void paint(juce::Graphics& g) override = 0;

protected:
    int m_Width;
    int m_Height;
    int m_Extra;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(UserButtonContainerComponent)
};
