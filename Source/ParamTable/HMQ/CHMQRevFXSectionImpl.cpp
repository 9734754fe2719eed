#include "ParamTable/HMQ/CHMQRevFXSectionImpl.h"

#include "ParamTable/HMQ/HMQModuleTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"

namespace HMQ
{
CHMQRevFXSectionImpl::CHMQRevFXSectionImpl(CHMQUserEditSectionImpl& programSection)
    : CHMQFXSectionBase(
        programSection,
        Module { TABLEARRAY_RevFX, 4, 0x304, 0x204, { 0x800, 0x801, 0x802, 0x803, 0x804 }, m_InitProgData, false })
{}
} // namespace HMQ
