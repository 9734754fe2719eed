#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A picture chosen by a type number. The owning page writes m_Type.
class RSImage : public juce::ImageComponent
{
public:
    explicit RSImage(const juce::String& name);

    // Draws the picture of type 0 unscaled at (1, 1); nothing when missing.
    void paint(juce::Graphics& g) override;
    virtual juce::String getPngName(int type) = 0;

    int m_Type = 0;

protected:
    // Draws the picture of the type fitted into the widget, centred.
    void paintFitted(juce::Graphics& g);
    // The same, then the overlay picture fitted into the same place; the
    // overlay only over a picture that was found.
    void paintFittedWithOverlay(juce::Graphics& g, const juce::String& overlayName);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSImage)
};
