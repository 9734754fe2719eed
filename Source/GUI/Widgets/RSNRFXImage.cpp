#include "GUI/Widgets/RSNRFXImage.h"

RSNRFXImage::RSNRFXImage(const juce::String& name) : RSImage(name)
{}

juce::String RSNRFXImage::getPngName(int)
{
    return "NoiseReduction";
}

void RSNRFXImage::mouseDown(const juce::MouseEvent& e)
{
    RSImage::mouseDown(e);
    if (auto* parent = getParentComponent(); parent != nullptr && parent->isShowing())
        parent->grabKeyboardFocus();
}
