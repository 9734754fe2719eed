#pragma once

#include "GUI/Editor/PGNameEditComponent.h"

// The Orva PW name strip: the slot caption ("A1".."B4", "MANUAL" in manual
// mode, or the file tab's name) and the name editor.
class OPWPGNameEditComponent : public PGNameEditComponent
{
public:
    OPWPGNameEditComponent(int width, int height);

    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void resized() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWPGNameEditComponent)
};
