#include "GUI/HMQ/RSHMQPedal2Image.h"

#include "GUI/Widgets/RSWidgetSupport.h"

const char* const RSHMQPedal2Image::overlayName = "FX_Custom";

RSHMQPedal2Image::RSHMQPedal2Image(const juce::String& name) : RSImage(name)
{}

void RSHMQPedal2Image::paint(juce::Graphics& g)
{
    paintFittedWithOverlay(g, overlayName);
}

juce::String RSHMQPedal2Image::getPngName(int type)
{
    static const char* const names[kNumTypes] = { "Mod_ClassicFlanger_bust", "Mod_BlackPhaser_bust", "Mod_Phase90_bust",
                                                  "Mod_Phase100_bust",       "Mod_Textrem_bust",     "Mod_EchoPlus_bust",
                                                  "Mod_ADelay_bust" };
    return names[juce::jlimit(0, kNumTypes - 1, type)];
}

void RSHMQPedal2Image::mouseDown(const juce::MouseEvent& e)
{
    RSImage::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}
