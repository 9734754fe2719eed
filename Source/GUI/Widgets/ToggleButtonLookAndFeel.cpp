#include "GUI/Widgets/ToggleButtonLookAndFeel.h"

void ToggleButtonLookAndFeel::drawToggleButton(juce::Graphics& g, juce::ToggleButton& button, bool isMouseOver, bool isButtonDown)
{
    const int w = button.getWidth(), h = button.getHeight();
    if (button.hasKeyboardFocus(true))
    {
        g.setColour(button.findColour(juce::TextEditor::focusedOutlineColourId));
        g.drawRect(0, 0, w, h);
    }

    const float fontSize = juce::jmin(15.0f, (float) h * 0.75f);
    const float tickWidth = fontSize * 1.1f;
    drawTickBox(g, button, 4.0f, ((float) h - tickWidth) * 0.5f, tickWidth, tickWidth, button.getToggleState(),
                button.isEnabled(), isMouseOver, isButtonDown);

    g.setColour(button.findColour(juce::ToggleButton::textColourId));
    g.setFont(fontSize);
    const int textX = (int) tickWidth + 5;
    g.drawFittedText(button.getButtonText(), textX, 0, w - textX - 2, h, juce::Justification::centredLeft, 10);
}

juce::Colour ToggleButtonLookAndFeel::sphereColour(bool ticked, bool isMouseOver, bool isButtonDown)
{
    auto colour = juce::Colour(ticked ? 0xFFFF0000 : 0x88700000).withMultipliedSaturation(1.3f);
    if (isButtonDown)
        colour = colour.contrasting(0.2f);
    else if (isMouseOver)
        colour = colour.contrasting(0.1f);
    return colour;
}

void ToggleButtonLookAndFeel::drawTickBox(juce::Graphics& g, juce::Component&, float x, float y, float w, float h, bool ticked,
                                          bool, bool isMouseOver, bool isButtonDown)
{
    const float boxSize = w * 0.7f;
    juce::LookAndFeel_V2::drawGlassSphere(g, x, y + (h - boxSize) * 0.5f, boxSize,
                                          sphereColour(ticked, isMouseOver, isButtonDown),
                                          isMouseOver || isButtonDown ? 1.1f : 0.5f);
}
