#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class RSKnob;

// A caption or unit label of a parameter page. Its font follows the form
// properties, and clicks, drags and the wheel over it turn its knob.
class RSLabel : public juce::Label
{
public:
    RSLabel(const juce::String& name, const juce::String& text, juce::Colour textColour, juce::Colour backgroundColour);

    void setLinkedKnob(RSKnob* knob) noexcept { linkedKnob = knob; }
    RSKnob* getLinkedKnob() const noexcept { return linkedKnob; }

    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void mouseWheelMove(const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    void paint(juce::Graphics& g) override;
    // Tab goes on in the window's order, as from any other widget (a label's
    // own order is for its text editor, which this one never opens): only
    // what can be seen, and only inside an overlay page while one stands.
    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override
    {
        return juce::Component::createKeyboardFocusTraverser();
    }

private:
    RSKnob* linkedKnob = nullptr; // not owned

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSLabel)
};
