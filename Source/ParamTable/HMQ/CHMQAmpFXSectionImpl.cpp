#include "ParamTable/HMQ/CHMQAmpFXSectionImpl.h"

#include "ParamTable/HMQ/HMQModuleTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"

namespace HMQ
{
CHMQAmpFXSectionImpl::CHMQAmpFXSectionImpl(CHMQUserEditSectionImpl& programSection)
    : CHMQFXSectionBase(programSection,
                        Module { TABLEARRAY_AmpFX,
                                 20,
                                 0x300,
                                 -1,
                                 { 0x400, 0x401, 0x402, 0x403, 0x404, 0x405, 0x406, 0x407, 0x408, 0x409, 0x40A, 0x40B },
                                 m_InitProgData,
                                 false })
{}

void CHMQAmpFXSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
    for (int id : module.ids)
        FireOnSectionParamPropsChanged(id);
    FireOnSectionParamPropsChanged(0x100);
}

void CHMQAmpFXSectionImpl::OnParamChanged(int id, eChgSource source)
{
    if (id == module.typeId)
    {
        InitFXType(readTypeFromOwner());
        // BRIGHT CAP comes and goes; PRESENCE is TONE on some types.
        FireOnSectionParamPropsChanged(0x407);
        FireOnSectionParamPropsChanged(0x405);
    }
    FireOnSectionParamChanged(id, source);
}

void CHMQAmpFXSectionImpl::ApplyTypeRule(SParamDesc* desc) const
{
    if (desc == nullptr)
        return;
    if (desc->id == 0x407 && (fxType == 1 || fxType == 3 || fxType == 9 || fxType == 15 || fxType == 17))
        desc->flags |= ParamFlags::hidden;
    if (desc->id == (int) 0x8000001E || desc->id == (int) 0x8000001F)
        desc->flags |= ParamFlags::notWritable;
}

bool CHMQAmpFXSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! CFXSectionImpl::PrepareParamDesc(index, desc))
        return false;
    ApplyTypeRule(desc);
    return true;
}

bool CHMQAmpFXSectionImpl::GetParamDescByIndex(unsigned index, SParamDesc* desc) const
{
    return TemplatePrepareParamDesc(index, desc);
}

std::pair<int, int> CHMQAmpFXSectionImpl::fallbackRange(size_t k) const
{
    if (k == 10)
        return { 0, 2 };
    if ((k >= 7 && k <= 9) || k == 11)
        return { 0, 1 };
    return { 0, 100 };
}
} // namespace HMQ
