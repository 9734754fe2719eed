#pragma once

#include "GUI/Widgets/RSImageButton.h"

// Type picker of the DWQR amp: 11 types.
class RSDWQAmpImageButton : public RSImageButton
{
public:
    static constexpr int kNumTypes = 11;

    RSDWQAmpImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    juce::String getPngName(int type) override;
    juce::String getIconPngName(int type) override;
    // The menu icon of a type, shared with the DWQ amp combo box.
    static juce::String iconPngNameOfType(int type);
    juce::String getTypeName(int type) override;
    int getTypeNameX(int type) override;
    int getTypeNameY(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDWQAmpImageButton)
};
