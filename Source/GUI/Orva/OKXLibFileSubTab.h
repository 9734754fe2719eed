#pragma once

#include "GUI/Orva/OKXLibFileComponent.h"
#include "GUI/Orva/OrvaLibFileSubTab.h"

// One program-file tab of the Orva KX librarian.
class OKXLibFileSubTab : public OrvaLibFileSubTab<OKXLibFileComponent>
{
public:
    using OrvaLibFileSubTab::OrvaLibFileSubTab;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXLibFileSubTab)
};
