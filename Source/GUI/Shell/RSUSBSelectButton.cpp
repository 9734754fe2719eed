#include "GUI/Shell/RSUSBSelectButton.h"

#include "GUI/Widgets/SelectButtonSupport.h"

RSUSBSelectButton::RSUSBSelectButton(juce::Component* ownerComponent, int groupId, int mode, const juce::String& text,
                                     juce::Colour outline, juce::Colour fill)
    : juce::ImageButton(text), owner(ownerComponent), outlineColour(outline), fillColour(fill), modeIndex(mode)
{
    setButtonText(text);
    SelectButtonSupport::setUp(*this, groupId);
    getProperties().set("USBID", modeIndex);
    RenewButtonSetting();
}

void RSUSBSelectButton::updateBackground()
{
    SelectButtonSupport::repaintBackground(*this);
}

void RSUSBSelectButton::paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    SelectButtonSupport::paintBackground(*this, g, isButtonDown || getToggleState(), fillColour, outlineColour, false);
    juce::ImageButton::paintButton(g, isMouseOver, isButtonDown);
    SelectButtonSupport::paintText(*this, g);
}
