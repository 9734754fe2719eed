#include "GUI/HMQ/HMQFXLabel.h"

#include "GUI/Widgets/RSWidgetSupport.h"

HMQFXLabel::HMQFXLabel(const juce::String& name, const juce::String& text) : juce::Label(name, text)
{
    setJustificationType(juce::Justification::centred);
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}

void HMQFXLabel::mouseDown(const juce::MouseEvent& e)
{
    juce::Label::mouseDown(e);
    if (isShowing())
        grabKeyboardFocus();
    RSWidgetSupport::notifyParentMouseDown(*this);
}
