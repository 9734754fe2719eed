#pragma once

#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Widgets/ValueHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

class HMQCustomFXSectionComponent;
class RSToggleButton;
class ToggleButtonLookAndFeel;

// The design shared by the three custom effect pages of the HMQ: the four
// variations of one module stacked on the right, a column of toggles on the
// left. The toggle of the variation the current program uses stays ticked;
// a press on a variation or its toggle copies it into the current program.
class HMQCustomFXComponent : public juce::Component,
                             public juce::ChangeListener,
                             public juce::Button::Listener,
                             public ValueHolder<int>,
                             public AnotherComponentListner
{
public:
    // What tells the pages apart.
    struct PageTable
    {
        int firstKind;          // kinds firstKind .. firstKind + 3, top to bottom
        const char* toggles[4]; // toggle texts
        int groupId;            // radio group of the toggles
        int typeParam;          // the program's type parameter of the module
        const char* heading;
        int customKind; // 1 pedal 1, 2 pedal 2, 3 reverb
    };

    HMQCustomFXComponent(const PageTable& table, int width, int height);
    ~HMQCustomFXComponent() override;

    void initialise();
    void CopyModuleSub(int kind);
    void handleMessageSub(const juce::Message& message);

    void mouseDownByOtherComponent(juce::Component* source) override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button* button) override;

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;
    void resized() override {}

    const PageTable& getTable() const noexcept { return table; }
    HMQCustomFXSectionComponent* getSlot(int i) const { return m_Slots[i]; }
    RSToggleButton* getToggle(int i) const { return m_Toggles[i]; }
    int getTitleHeight() const noexcept { return m_TitleHeight; }

private:
    // The page's slot (0-3) for the program's type value; -1 when none.
    int slotOfType(int type) const;
    // Selects the slot of the current program's type; true when it had one.
    bool selectFromType(int type, bool updateWhenUnchanged);

    const PageTable& table;
    int m_Width;
    int m_Height;
    int m_SlotX = 140;
    int m_Gap = 5;
    int m_TitleHeight;
    juce::OwnedArray<HMQCustomFXSectionComponent> m_Slots;
    juce::OwnedArray<RSToggleButton> m_Toggles;
    std::unique_ptr<ToggleButtonLookAndFeel> m_LookAndFeel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCustomFXComponent)
};
