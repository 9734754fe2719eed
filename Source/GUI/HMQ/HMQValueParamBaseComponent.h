#pragma once

#include "GUI/Editor/AnotherComponentListner.h"

#include <juce_gui_basics/juce_gui_basics.h>

class EditParamComponent;

// One value page of the HMQ parameter area: the knobs and switches of one
// module, built from the page's form layer. Its widgets report to the
// owner's listeners, so the owner writes every edit; the page refreshes its
// widgets and shows itself when its module's type changes.
class HMQValueParamBaseComponent : public juce::Component,
                                   public AnotherComponentListner
{
public:
    HMQValueParamBaseComponent(EditParamComponent* owner, int width, int height);
    ~HMQValueParamBaseComponent() override;

    virtual void initialise();
    virtual void scanUIForm();
    virtual void scanLinkedComponent();
    virtual void handleMessageSub(const juce::Message& message);
    virtual void changeListenerCallbackSub(juce::ChangeBroadcaster* source, bool visible);
    virtual int getUIFormTableID() = 0;
    // The module as the custom pages number it: 0 amp, 1 pedal 1, 2 pedal 2, 3 reverb.
    virtual int getPartialId() = 0;
    virtual void updateBackground();
    void mouseDownByOtherComponent(juce::Component* component) override;

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;

    EditParamComponent* getOwner() const noexcept { return m_pOwner; }

protected:
    // The vertical gold lines between the page's groups.
    void paintLines(juce::Graphics& g, std::initializer_list<int> xs);

private:
    void resetOwnerTouchDown();

    EditParamComponent* m_pOwner;
    int m_Width;
    int m_Height;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQValueParamBaseComponent)
};
