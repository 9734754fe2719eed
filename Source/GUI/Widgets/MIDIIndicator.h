#pragma once

#include "Core/ProductModel.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The badge in an editor page's header: the connected model's picture, shown
// only while the model's data centre is synchronised with the amplifier, so
// it doubles as the connection lamp. A click counts as a click on the
// associated component (the page's help button).
class MIDIIndicator : public juce::ImageComponent
{
public:
    MIDIIndicator(juce::Component* associated, bool lampMode, const juce::String& name, bool trackMedia);
    ~MIDIIndicator() override;

    // The resource name of the picture for the current state.
    juce::String getImageString();

    void paint(juce::Graphics& g) override;
    void mouseDown(const juce::MouseEvent& event) override;

    const juce::Image& getPicture() const noexcept { return picture; }
    int getPictureModel() const noexcept { return pictureModel; }

private:
    void loadPicture();

    juce::Component* associated;
    bool lampMode;
    bool trackMedia;
    eMediaType mediaType = kMediaTypeUnknown;
    juce::Image picture;
    int pictureModel = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MIDIIndicator)
};
