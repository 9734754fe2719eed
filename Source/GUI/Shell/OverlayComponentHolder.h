#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A backdrop that covers its parent and holds one overlay page centred over
// it. Clicks on the backdrop stop here, and so do keys: the holder keeps the
// keyboard focus while the page takes none. The page is not owned: the holder
// only takes it out of itself when it goes.
class OverlayComponentHolder : public juce::Component
{
public:
    OverlayComponentHolder(juce::Component* parent, juce::Component* content, const juce::Colour& backdrop);
    ~OverlayComponentHolder() override;

    juce::Component* getContent() const noexcept { return content; }

    void paint(juce::Graphics& g) override;
    void mouseDown(const juce::MouseEvent&) override;

protected:
    juce::Component* parent;
    juce::Component* content;
    juce::Colour backdrop;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OverlayComponentHolder)
};
