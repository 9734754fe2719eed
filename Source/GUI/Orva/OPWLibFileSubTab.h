#pragma once

#include "GUI/Orva/OPWLibFileComponent.h"
#include "GUI/Orva/OrvaLibFileSubTab.h"

// One program-file tab of the Orva PW librarian.
class OPWLibFileSubTab : public OrvaLibFileSubTab<OPWLibFileComponent>
{
public:
    using OrvaLibFileSubTab::OrvaLibFileSubTab;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWLibFileSubTab)
};
