#pragma once

#include "GUI/Orva/OrvaTabbedComponent.h"

// The tab column of the Orva PW librarian.
class OPWTabbedComponent : public OrvaTabbedComponent
{
public:
    OPWTabbedComponent() = default;
    ~OPWTabbedComponent() override = default;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWTabbedComponent)
};
