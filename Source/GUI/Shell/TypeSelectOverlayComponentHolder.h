#pragma once

#include "GUI/Shell/OverlayComponentHolder.h"

// The holder of the small type-select catalogue: the page sits at the
// bottom-right corner, and a click on the backdrop closes it (message 50).
class TypeSelectOverlayComponentHolder : public OverlayComponentHolder
{
public:
    TypeSelectOverlayComponentHolder(juce::Component* parent, juce::Component* content, const juce::Colour& backdrop);

    void mouseDown(const juce::MouseEvent&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(TypeSelectOverlayComponentHolder)
};
