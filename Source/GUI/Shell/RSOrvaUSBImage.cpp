#include "GUI/Shell/RSOrvaUSBImage.h"

#include "GUI/Widgets/RSWidgetSupport.h"

RSOrvaUSBImage::RSOrvaUSBImage(const juce::String& name) : RSImage(name)
{}

void RSOrvaUSBImage::paint(juce::Graphics& g)
{
    paintFitted(g);
}

juce::String RSOrvaUSBImage::getPngName(int type)
{
    static const char* const names[kNumTypes] = { "USBRouting1", "USBRouting2", "USBRouting3" };
    return names[juce::jlimit(0, kNumTypes - 1, type)];
}

void RSOrvaUSBImage::mouseDown(const juce::MouseEvent& e)
{
    RSImage::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}
