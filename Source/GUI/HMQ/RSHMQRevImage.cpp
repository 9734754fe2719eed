#include "GUI/HMQ/RSHMQRevImage.h"

#include "GUI/Widgets/RSWidgetSupport.h"

const char* const RSHMQRevImage::overlayName = "FX_Custom";

RSHMQRevImage::RSHMQRevImage(const juce::String& name) : RSImage(name)
{}

void RSHMQRevImage::paint(juce::Graphics& g)
{
    paintFittedWithOverlay(g, overlayName);
}

juce::String RSHMQRevImage::getPngName(int type)
{
    static const char* const names[kNumTypes] = { "Reverb_Room_bust", "Reverb_Spring_bust", "Reverb_Hall_bust",
                                                  "Reverb_Plate_bust" };
    return names[juce::jlimit(0, kNumTypes - 1, type)];
}

void RSHMQRevImage::mouseDown(const juce::MouseEvent& e)
{
    RSImage::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}
