#include "ParamTable/HMQ/CHMQCustomSectionImpl.h"

#include "ParamTable/HMQ/HMQCustomTables.h"

namespace HMQ
{
void CHMQCustomSectionImpl::Init(Host* hostToUse, sCustomAmpFXBuf* slots)
{
    host = hostToUse;
    table = CParamTable::GetInstance(TABLEDESC_CUSTOMEDIT, 0);
    sectionId = 0;
    idBase = 0;
    buffer = slots != nullptr ? slots->bytes : nullptr;
    size = bufferSize;
    initBuffer = INITCHUNK_CUSTOMPARAM;
}

bool CHMQCustomSectionImpl::FindSectionByPID(int, ISection** out)
{
    if (out == nullptr)
        return false;
    *out = this;
    return true;
}
} // namespace HMQ
