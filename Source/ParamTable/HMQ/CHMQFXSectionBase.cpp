#include "ParamTable/HMQ/CHMQFXSectionBase.h"

#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"

#include <algorithm>

namespace HMQ
{
CHMQFXSectionBase::CHMQFXSectionBase(CHMQUserEditSectionImpl& programSection, Module moduleDescription)
    : CFXSectionImpl(programSection, std::move(moduleDescription)), program(programSection)
{}

void CHMQFXSectionBase::InitFXType(unsigned type)
{
    fxType = limitType(type);
    table = module.tables != nullptr ? CParamTable::GetInstance(module.tables[fxType], 0) : nullptr;

    for (size_t k = 0; k < module.ids.size(); ++k)
    {
        if (table != nullptr && k < table->GetCount())
        {
            const auto& row = table->GetEntry(k);
            FireOnSectionParamMinMaxChanged(module.ids[k], row.minValue, row.maxValue, 0);
        }
        else
        {
            const auto range = fallbackRange(k);
            FireOnSectionParamMinMaxChanged(module.ids[k], range.first, range.second, 0);
        }
    }

    auto ids = module.ids;
    std::sort(ids.begin(), ids.end());
    for (int id : ids)
        FireOnTooltipChanged(id);
    for (int id : extraTooltipIds())
        FireOnTooltipChanged(id);
}
} // namespace HMQ
