#include "GUI/HMQ/RSHMQPedal1Image.h"

#include "GUI/Widgets/RSWidgetSupport.h"

const char* const RSHMQPedal1Image::overlayName = "FX_Custom";

RSHMQPedal1Image::RSHMQPedal1Image(const juce::String& name) : RSImage(name)
{}

void RSHMQPedal1Image::paint(juce::Graphics& g)
{
    paintFittedWithOverlay(g, overlayName);
}

juce::String RSHMQPedal1Image::getPngName(int type)
{
    static const char* const names[kNumTypes] = { "Mod_Comp_bust",       "Mod_ClassicChorus_bust", "Mod_TubeOD_bust",
                                                  "Mod_BoutiqueOD_bust", "Mod_TrebleBoost_bust",   "Mod_RCturbo_bust",
                                                  "Mod_OrangeDist_bust", "Mod_FatDist_bust",       "Mod_Govnor_bust",
                                                  "Mod_Fuzz_bust" };
    return names[juce::jlimit(0, kNumTypes - 1, type)];
}

void RSHMQPedal1Image::mouseDown(const juce::MouseEvent& e)
{
    RSImage::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}
