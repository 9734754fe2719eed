#pragma once

#include "GUI/DWQ/RSDWQAmpImageButton.h"

// The small picture of RSDWQAmpImageButton: its own pictures and name positions, the same
// icons. The form factory makes it trigger on release.
class RSDWQAmpImageButtonSmall : public RSDWQAmpImageButton
{
public:
    RSDWQAmpImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name);

    juce::String getPngName(int type) override;
    int getTypeNameX(int type) override;
    int getTypeNameY(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDWQAmpImageButtonSmall)
};
