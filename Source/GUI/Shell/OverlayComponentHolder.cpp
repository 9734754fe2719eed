#include "GUI/Shell/OverlayComponentHolder.h"

OverlayComponentHolder::OverlayComponentHolder(juce::Component* parentComponent, juce::Component* contentComponent,
                                               const juce::Colour& backdropColour)
    : parent(parentComponent), content(contentComponent), backdrop(backdropColour)
{
    // Holds the focus for a page that takes none, so that no key reaches the
    // view behind the backdrop.
    setWantsKeyboardFocus(true);
    const int width = parent != nullptr ? parent->getWidth() : 0;
    const int height = parent != nullptr ? parent->getHeight() : 0;
    setBounds(0, 0, width, height);

    if (content != nullptr)
    {
        addAndMakeVisible(content);
        content->setTopLeftPosition(width / 2 - content->getWidth() / 2, height / 2 - content->getHeight() / 2);
        content->setVisible(true);
    }
}

OverlayComponentHolder::~OverlayComponentHolder()
{
    if (content != nullptr && content->getParentComponent() == this)
        removeChildComponent(content);
}

void OverlayComponentHolder::paint(juce::Graphics& g)
{
    g.fillAll(backdrop);
}

void OverlayComponentHolder::mouseDown(const juce::MouseEvent&)
{}
