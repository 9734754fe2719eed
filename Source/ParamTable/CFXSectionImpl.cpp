#include "ParamTable/CFXSectionImpl.h"

CFXSectionImpl::CFXSectionImpl(ISection& ownerSection, Module moduleDescription)
    : owner(ownerSection), module(std::move(moduleDescription))
{}

unsigned CFXSectionImpl::limitType(unsigned type) const
{
    if (module.numTypes == 0)
        return 0;
    return std::min(type, module.numTypes - 1);
}

void CFXSectionImpl::Init(Host* hostToUse, unsigned type, int sectionIdToUse, int idBaseToUse, void* bufferToUse)
{
    fxType = limitType(type);
    table = module.tables != nullptr ? CParamTable::GetInstance(module.tables[fxType], 0) : nullptr;
    host = hostToUse;
    sectionId = sectionIdToUse;
    idBase = idBaseToUse;
    buffer = static_cast<unsigned char*>(bufferToUse);
    size = 1;
    initBuffer = module.initBuffer;
}

void CFXSectionImpl::InitFXType(unsigned type)
{
    fxType = limitType(type);
    table = module.tables != nullptr ? CParamTable::GetInstance(module.tables[fxType], 0) : nullptr;

    for (size_t k = 0; k < module.ids.size(); ++k)
    {
        if (table != nullptr && k < table->GetCount())
        {
            const auto& row = table->GetEntry(k);
            FireOnSectionParamMinMaxChanged(module.ids[k], row.minValue, row.maxValue,
                                            module.flagsInRangeEvents ? (int) row.flags : 0);
        }
        else
        {
            FireOnSectionParamMinMaxChanged(module.ids[k], 0, 100, 0);
        }
    }
}

void CFXSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
    if (module.typeId != -1)
        FireOnSectionParamPropsChanged(module.typeId);
    if (module.onId != -1)
        FireOnSectionParamPropsChanged(module.onId);
    for (int id : module.ids)
        FireOnSectionParamPropsChanged(id);
}

unsigned CFXSectionImpl::readTypeFromOwner() const
{
    const int type = owner.GetParamI(module.typeId);
    return type < 0 ? 0u : (unsigned) type;
}

void CFXSectionImpl::firePropsForRows()
{
    for (int id : propsOrder())
        FireOnSectionParamPropsChanged(id);
}

void CFXSectionImpl::OnParamChanged(int id, eChgSource source)
{
    if (id == module.typeId)
    {
        InitFXType(readTypeFromOwner());
        firePropsForRows();
    }
    else if (id == module.onId)
    {
        firePropsForRows();
    }
    FireOnSectionParamChanged(id, source);
}

bool CFXSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    return TemplatePrepareParamDesc(index, desc);
}

bool CFXSectionImpl::GetParamDescByIndex(unsigned index, SParamDesc* desc) const
{
    return PrepareParamDesc(index, desc);
}
