#pragma once

#include "GUI/Widgets/RSImageButton.h"

// Type picker of the Orva PW amp: 17 types.
class RSOrvaPWAmpImageButton : public RSImageButton
{
public:
    static constexpr int kNumTypes = 17;

    RSOrvaPWAmpImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    juce::String getPngName(int type) override;
    // The icon of a raw amp parameter value; a value the model does not know
    // gives the icon of type 0.
    juce::String getIconPngName(int value) override;
    juce::String getTypeName(int type) override;
    int getTypeNameX(int type) override;
    int getTypeNameY(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSOrvaPWAmpImageButton)
};
