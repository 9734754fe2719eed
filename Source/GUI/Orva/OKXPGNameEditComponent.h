#pragma once

#include "GUI/Orva/OPWPGNameEditComponent.h"

// The Orva KX name strip: the same slot caption and name editor as the
// Orva PW's.
class OKXPGNameEditComponent : public OPWPGNameEditComponent
{
public:
    OKXPGNameEditComponent(int width, int height) : OPWPGNameEditComponent(width, height) {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXPGNameEditComponent)
};
