#pragma once

#include "GUI/Orva/OKXProgSelectButton.h"
#include "GUI/Orva/OrvaFileProgButtonBase.h"

// A slot of an open program file in the Orva KX librarian (programs 8-31).
class OKXFileProgButton : public OrvaFileProgButtonBase<OKXProgSelectButton, &OrvaProgButtonSupport::orvaKXLook>
{
public:
    using OrvaFileProgButtonBase::OrvaFileProgButtonBase;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXFileProgButton)
};
