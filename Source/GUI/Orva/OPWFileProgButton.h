#pragma once

#include "GUI/Orva/OPWProgSelectButton.h"
#include "GUI/Orva/OrvaFileProgButtonBase.h"

// A slot of an open program file in the Orva PW librarian (programs 8-31).
class OPWFileProgButton : public OrvaFileProgButtonBase<OPWProgSelectButton, &OrvaProgButtonSupport::orvaPWLook>
{
public:
    using OrvaFileProgButtonBase::OrvaFileProgButtonBase;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWFileProgButton)
};
