#pragma once

#include "GUI/Orva/OrvaTabbedComponent.h"

// The tab column of the Orva KX librarian.
class OKXTabbedComponent : public OrvaTabbedComponent
{
public:
    OKXTabbedComponent() = default;
    ~OKXTabbedComponent() override = default;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXTabbedComponent)
};
