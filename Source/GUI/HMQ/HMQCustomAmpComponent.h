#pragma once

#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/HMQ/HMQCustomAmpSectionComponent.h"
#include "GUI/Widgets/ValueHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The custom amp page of the HMQ: the three custom amp slots side by side.
// A press on a slot copies its amp into the current program and highlights
// the slot until the program's amp type changes or a module is selected.
class HMQCustomAmpComponent : public juce::Component,
                              public juce::ChangeListener,
                              public ValueHolder<HMQCustomAmpSectionComponent::eSectionType>,
                              public AnotherComponentListner
{
public:
    HMQCustomAmpComponent(int width, int height);
    ~HMQCustomAmpComponent() override;

    void initialise();

    void mouseDownByOtherComponent(juce::Component* source) override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    virtual void handleMessageSub(const juce::Message& message);

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;
    void resized() override {}

    // Copies the amp part of custom slot n into the current program and
    // sends the program.
    void CopyModuleSub(HMQCustomAmpSectionComponent::eSectionType n);

    HMQCustomAmpSectionComponent* getSlot(int n) const { return m_Slots[n]; }
    int getTitleHeight() const noexcept { return m_TitleHeight; }

private:
    int m_Width;
    int m_Height;
    int m_TitleHeight = 0;
    juce::OwnedArray<HMQCustomAmpSectionComponent> m_Slots;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCustomAmpComponent)
};
