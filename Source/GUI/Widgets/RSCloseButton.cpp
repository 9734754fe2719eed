#include "GUI/Widgets/RSCloseButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"

RSCloseButton::RSCloseButton(juce::TabBarButton* tabButton, const juce::String& name) : juce::ImageButton(name), tab(tabButton)
{
    RSWidgetSupport::reachByMouseOnly(*this);
    const auto image = RSWidgetSupport::getImage("tabclosebutton");
    if (image.isNull())
        return;
    setImages(false, false, false, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f, juce::Colours::transparentBlack,
              image, 1.0f, juce::Colours::transparentBlack);
    setSize(image.getWidth(), image.getHeight());
}
