#pragma once

#include "ParamTable/ISection.h"

// A whole section (a program, the global settings, ...) that may own
// effect sub-sections.
class ISoundSection : public ISection
{
public:
    // The section that owns an id: a sub-section or this section.
    virtual bool FindSectionByPID(int id, ISection** out) = 0;
    virtual ISection* GetFX1FX() = 0;
    virtual ISection* GetAmpFX() = 0;
    virtual ISection* GetRevFX() = 0;
};
