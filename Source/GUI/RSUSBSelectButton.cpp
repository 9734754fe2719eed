#include "GUI/RSUSBSelectButton.h"

#include "GUI/FontLibrary.h"

RSUSBSelectButton::RSUSBSelectButton(juce::Component* ownerComponent, int groupId, int mode, const juce::String& text,
                                     juce::Colour outline, juce::Colour fill)
    : juce::ImageButton(text), owner(ownerComponent), outlineColour(outline), fillColour(fill), modeIndex(mode)
{
    setButtonText(text);
    setOpaque(false);
    setTriggeredOnMouseDown(true);
    setRadioGroupId(groupId, juce::sendNotification);
    setWantsKeyboardFocus(false);
    setMouseClickGrabsKeyboardFocus(false);
    setRepaintsOnMouseActivity(true);
    getProperties().set("USBID", modeIndex);
    RenewButtonSetting();
}

void RSUSBSelectButton::updateBackground()
{
    if (auto* parent = getParentComponent())
        parent->repaint();
    else
        repaint();
}

void RSUSBSelectButton::paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    const bool on = isButtonDown || getToggleState();
    const auto clip = g.getClipBounds();
    g.setColour(on ? fillColour : juce::Colours::darkgrey.withAlpha(0.5f));
    g.fillRect(clip.getX() + 1, clip.getY() + 1, getWidth() - 2, getHeight() - 2);
    if (on)
    {
        g.setColour(outlineColour);
        g.drawRect(0, 0, getWidth(), getHeight(), 2);
    }

    juce::ImageButton::paintButton(g, isMouseOver, isButtonDown);

    const auto text = getButtonText();
    if (text.isNotEmpty())
    {
        g.setColour(juce::Colours::white);
        if (auto* fonts = FontLibrary::getInstanceWithoutCreating())
            g.setFont(fonts->getFont("ProgramNameButtonMini"));
        g.drawText(text, 4, 4, 200, 20, juce::Justification::centredLeft, true);
    }
}
