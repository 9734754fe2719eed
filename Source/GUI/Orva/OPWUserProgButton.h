#pragma once

#include "GUI/Orva/OPWProgSelectButton.h"
#include "GUI/Orva/OrvaUserProgButtonBase.h"

// A user slot of the Orva PW librarian (programs 0-7, A1 to B4).
class OPWUserProgButton : public OrvaUserProgButtonBase<OPWProgSelectButton, &OrvaProgButtonSupport::orvaPWLook>
{
public:
    using OrvaUserProgButtonBase::OrvaUserProgButtonBase;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWUserProgButton)
};
