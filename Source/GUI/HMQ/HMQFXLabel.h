#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A value of a custom effect slot: it takes the keyboard focus on a press
// and passes the press to its slot.
class HMQFXLabel : public juce::Label
{
public:
    explicit HMQFXLabel(const juce::String& name = {}, const juce::String& text = {});

    void mouseDown(const juce::MouseEvent& e) override;
    // Tab goes on in the window's order, as from any other widget (a label's
    // own order is for its text editor, which this one never opens): only
    // what can be seen, and only inside an overlay page while one stands.
    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override
    {
        return juce::Component::createKeyboardFocusTraverser();
    }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQFXLabel)
};
