#pragma once

#include "ParamTable/CFXSectionImpl.h"

namespace DWQ
{
class CDWQUserEditSectionImpl;

// The delay/reverb module of a DWQ program: MIX and TIME per type.
class CDWQDlyRevFXSectionImpl : public CFXSectionImpl
{
public:
    explicit CDWQDlyRevFXSectionImpl(CDWQUserEditSectionImpl& program);

    void OnReinitialized() override;
    void OnParamChanged(int id, eChgSource source) override;
    bool PrepareParamDesc(unsigned index, SParamDesc* desc) const override;
};
} // namespace DWQ
