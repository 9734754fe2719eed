#include "GUI/Widgets/RSImage.h"

#include "GUI/Widgets/RSWidgetSupport.h"

RSImage::RSImage(const juce::String& name) : juce::ImageComponent(name)
{}

void RSImage::paint(juce::Graphics& g)
{
    const auto image = RSWidgetSupport::getImage(getPngName(0));
    if (image.isValid())
        g.drawImageAt(image, 1, 1);
}

void RSImage::paintFitted(juce::Graphics& g)
{
    const auto image = RSWidgetSupport::getImage(getPngName(m_Type));
    if (image.isValid())
        g.drawImageWithin(image, 0, 0, getWidth(), getHeight(), juce::RectanglePlacement::centred);
}

void RSImage::paintFittedWithOverlay(juce::Graphics& g, const juce::String& overlayName)
{
    const auto image = RSWidgetSupport::getImage(getPngName(m_Type));
    if (! image.isValid())
        return;
    g.drawImageWithin(image, 0, 0, getWidth(), getHeight(), juce::RectanglePlacement::centred);
    const auto overlay = RSWidgetSupport::getImage(overlayName);
    if (overlay.isValid())
        g.drawImageWithin(overlay, 0, 0, getWidth(), getHeight(), juce::RectanglePlacement::centred);
}
