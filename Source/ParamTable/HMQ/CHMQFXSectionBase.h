#pragma once

#include "ParamTable/CFXSectionImpl.h"

namespace HMQ
{
class CHMQUserEditSectionImpl;

// What the four HMQ module sub-sections share: they belong to one HMQ
// program section (through which they read their type) and, on a type
// change, announce the new range and tooltip of every module id.
class CHMQFXSectionBase : public CFXSectionImpl
{
public:
    CHMQFXSectionBase(CHMQUserEditSectionImpl& program, Module module);

    void InitFXType(unsigned type) override;

protected:
    // The range announced for module row k when the type's table has no such row.
    virtual std::pair<int, int> fallbackRange(size_t) const { return { 0, 100 }; }
    // Ids whose tooltip is announced after the module ids.
    virtual std::vector<int> extraTooltipIds() const { return {}; }

    CHMQUserEditSectionImpl& program;
};
} // namespace HMQ
