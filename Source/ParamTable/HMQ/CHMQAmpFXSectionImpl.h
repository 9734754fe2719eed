#pragma once

#include "ParamTable/HMQ/CHMQFXSectionBase.h"

namespace HMQ
{
// The amp module of an HMQ program: GAIN to CLASS (0x400-0x40B) and NR SENS,
// per amp type.
class CHMQAmpFXSectionImpl : public CHMQFXSectionBase
{
public:
    explicit CHMQAmpFXSectionImpl(CHMQUserEditSectionImpl& program);

    void OnReinitialized() override;
    void OnParamChanged(int id, eChgSource source) override;
    bool PrepareParamDesc(unsigned index, SParamDesc* desc) const override;
    // Rows read from this sub-section directly come without the type rule
    // (the tables already carry its flags).
    bool GetParamDescByIndex(unsigned index, SParamDesc* desc) const override;

    // The amp type's adjustments of a filled row: no BRIGHT CAP for the types
    // without one; the mirrors of BIAS SHIFT and CLASS are read-only.
    void ApplyTypeRule(SParamDesc* desc) const;

protected:
    std::pair<int, int> fallbackRange(size_t k) const override;
    std::vector<int> extraTooltipIds() const override { return { 0x100 }; }
};
} // namespace HMQ
