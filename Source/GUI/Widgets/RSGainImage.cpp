#include "GUI/Widgets/RSGainImage.h"

RSGainImage::RSGainImage(const juce::String& name) : RSImage(name)
{}

juce::String RSGainImage::getPngName(int)
{
    return "Gain";
}

void RSGainImage::mouseDown(const juce::MouseEvent& e)
{
    RSImage::mouseDown(e);
    if (auto* parent = getParentComponent(); parent != nullptr && parent->isShowing())
        parent->grabKeyboardFocus();
}
