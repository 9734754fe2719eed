#pragma once

#include "ParamTable/CFXSectionImpl.h"

class COrvaUserEditSectionBase;

namespace orvaKX
{
// The amp module of a program: GAIN to MID BOOST and NR SENS, per amp type.
class COKXAmpFXSectionImpl : public CFXSectionImpl
{
public:
    explicit COKXAmpFXSectionImpl(COrvaUserEditSectionBase& program);

    void OnReinitialized() override;
    bool PrepareParamDesc(unsigned index, SParamDesc* desc) const override;

protected:
    std::vector<int> propsOrder() const override;
};
} // namespace orvaKX
