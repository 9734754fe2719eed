#pragma once

#include "GUI/Orva/RSOrvaPWAmpImageButton.h"

// The small picture of RSOrvaPWAmpImageButton: its own pictures and name positions, the same
// icons. The form factory makes it trigger on release.
class RSOrvaPWAmpImageButtonSmall : public RSOrvaPWAmpImageButton
{
public:
    RSOrvaPWAmpImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name);

    juce::String getPngName(int type) override;
    int getTypeNameX(int type) override;
    int getTypeNameY(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSOrvaPWAmpImageButtonSmall)
};
