#pragma once

#include "GUI/Editor/EditParamComponent.h"

class HMQValueParamBaseComponent;
class RSImageButton;

// The lower part of the HMQ editor page: the signal chain of the four module
// pictures over the arrow line and, below, the value page of the module in
// focus. Every edit of the HMQ program is written here, from its own widgets
// and from those of its value pages.
//
// Module index: 0 amp, 1 pedal 1, 2 reverb, 3 pedal 2.
class HMQEditParamComponent : public EditParamComponent
{
public:
    static constexpr int numModules = 4;
    static constexpr int valuePageY = 190;
    static constexpr int valuePageHeight = 150;
    static constexpr int offLift = 45;

    HMQEditParamComponent(int width, int height);
    ~HMQEditParamComponent() override;

    void initialise() override;
    void scanUIForm() override;
    void scanLinkedComponent() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button* button) override;
    void sliderValueChanged(juce::Slider* slider) override;
    void comboBoxChanged(juce::ComboBox* box) override;
    void labelTextChanged(juce::Label*) override {}
    void handleMessageSub(const juce::Message& message) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;
    void mouseDownByOtherComponent(juce::Component* component) override;
    void paint(juce::Graphics& g) override;
    void mouseDown(const juce::MouseEvent& e) override;

    // Sets the touch-down flag of all four pictures.
    void ResetTouchDownMemory();

    // The picture of a module, null when the form gave none.
    RSImageButton* getModulePicture(int module) const;
    HMQValueParamBaseComponent* getValuePage(int module) const;
    bool hasPlaces(int module) const noexcept { return module >= 0 && module < numModules && m_HasPlaces[module]; }
    int getCurrentValuePage() const noexcept { return m_CurrentValuePage; }

    // The module of an on/off parameter (513 pedal 1, 514 pedal 2, 516
    // reverb), -1 for any other id.
    static int moduleOfOnOff(int paramId);
    // The module of a type parameter, -1 for any other id.
    static int moduleOfType(int paramId);

private:
    struct Module
    {
        int typeId;
        int onOffId; // -1: the amp has none
        int customKind;
        int firstSelectId;
        int lastSelectId;
    };
    static const Module modules[numModules];

    void setCurrentModule(int module);
    void showValuePage(int module);
    // Moves a picture to the place of its module's on/off state.
    void movePicture(int module, bool on);
    void animateTo(RSImageButton* picture, juce::Rectangle<int> target);
    bool isHeadingFor(RSImageButton* picture, juce::Rectangle<int> target);
    void handToValuePages(const juce::Message& message);
    int moduleOfSelectId(int paramId) const;
    static int dragModule(const SourceDetails& details);
    void fireCustomTabOpen(int kind, bool open);

    RSImageButton* m_Pictures[numModules] {};
    // Whether a picture has its on and off places (the amp never has).
    bool m_HasPlaces[numModules] {};
    juce::OwnedArray<HMQValueParamBaseComponent> m_ValuePages;
    int m_CurrentValuePage = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQEditParamComponent)
};
