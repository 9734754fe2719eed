#pragma once

#include "GUI/Orva/OKXProgSelectButton.h"
#include "GUI/Orva/OrvaUserProgButtonBase.h"

// A user slot of the Orva KX librarian (programs 0-7, A1 to B4).
class OKXUserProgButton : public OrvaUserProgButtonBase<OKXProgSelectButton, &OrvaProgButtonSupport::orvaKXLook>
{
public:
    using OrvaUserProgButtonBase::OrvaUserProgButtonBase;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXUserProgButton)
};
