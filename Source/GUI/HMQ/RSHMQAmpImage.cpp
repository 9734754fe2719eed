#include "GUI/HMQ/RSHMQAmpImage.h"

#include "GUI/Widgets/RSWidgetSupport.h"

const char* const RSHMQAmpImage::overlayName = "AmpType_Custom";

RSHMQAmpImage::RSHMQAmpImage(const juce::String& name) : RSImage(name)
{}

void RSHMQAmpImage::paint(juce::Graphics& g)
{
    paintFittedWithOverlay(g, overlayName);
}

juce::String RSHMQAmpImage::getPngName(int type)
{
    static const char* const names[kNumTypes] = { "AmpType_FenderDeluxeReverb_187x95",
                                                  "AmpType_FenderDeluxeReverb_187x95",
                                                  "AmpType_FenderBassman_187x95",
                                                  "AmpType_FenderBassman_187x95",
                                                  "AmpType_OverdriveSpecial_178x91",
                                                  "AmpType_OverdriveSpecial_178x91",
                                                  "AmpType_QT50_189x96",
                                                  "AmpType_QT50_189x96",
                                                  "AmpType_Marshall1959_178x91",
                                                  "AmpType_Marshall1959_178x91",
                                                  "AmpType_MarshallJCM800_178x91",
                                                  "AmpType_MarshallJCM800_178x91",
                                                  "AmpType_SmoothLead_178x91",
                                                  "AmpType_MesaBoogie_178x91",
                                                  "AmpType_calielation_178x91",
                                                  "AmpType_ERUPT3_189x95",
                                                  "AmpType_ERUPT3_189x95",
                                                  "AmpType_BoutiqueMetal_180x91",
                                                  "AmpType_orange_187x95",
                                                  "AmpType_OrigCL_179x90" };
    return names[juce::jlimit(0, kNumTypes - 1, type)];
}

void RSHMQAmpImage::mouseDown(const juce::MouseEvent& e)
{
    RSImage::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}
