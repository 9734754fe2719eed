#include "ParamTable/COrvaGlobalSectionBase.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

namespace
{
constexpr int idWide = 0x4200;
constexpr int idUSBRouting = 0x4300;
constexpr int idEQSelect = 0x4400;
} // namespace

void COrvaGlobalSectionBase::initSection(Host* hostToUse, void* block, const TABLEDESC& paramTable, const unsigned char* initData)
{
    host = hostToUse;
    table = CParamTable::GetInstance(paramTable, 0);
    sectionId = 1;
    idBase = 0;
    buffer = static_cast<unsigned char*>(block);
    size = blockSize;
    initBuffer = initData;

    for (unsigned i = 0; i < GetParamCount(); ++i)
    {
        SParamDesc desc {};
        if (GetParamDescByIndex(i, &desc))
            FireOnSectionParamMinMaxChanged(desc.id, desc.minValue, desc.maxValue, 0);
    }
}

bool COrvaGlobalSectionBase::FindSectionByPID(int, ISection** out)
{
    if (out == nullptr)
        return false;
    *out = this;
    return true;
}

void COrvaGlobalSectionBase::OnReinitialized()
{
    FireOnSectionReinitialized();
    FireOnSectionParamPropsChanged(idWide);
    FireOnSectionParamPropsChanged(idUSBRouting);
    FireOnSectionParamPropsChanged(idEQSelect);
    FireOnUSBRoutingChanged(GetParamI(idUSBRouting));
}

void COrvaGlobalSectionBase::SendMIDIParam(const SParamDesc& desc)
{
    if (host == nullptr || desc.id < 0 || desc.ptype == PTYPE_NONE || desc.ptype == PTYPE_STR || desc.accessor == nullptr)
        return;
    const int value = static_cast<IAccessorI*>(desc.accessor)->GetRaw(desc.data, desc.offset);
    if (auto* midi = host->getMidiManager())
        midi->sendParamChange16((unsigned char) ((desc.id >> 8) & 0xFF), (unsigned char) (desc.id & 0xFF),
                                (unsigned short) (value & 0xFFFF), 0);
}

void COrvaGlobalSectionBase::OnParamChanged(int id, eChgSource source)
{
    FireOnSectionParamChanged(id, source);

    if (id == idEQSelect)
    {
        if (host != nullptr)
            if (auto* midi = host->getMidiManager())
                midi->sendCurEQDumpRequest();
    }
    else if (id == idUSBRouting && programSection != nullptr)
    {
        // Announced by the program section of the data centre that owns this
        // block, whichever device the host shows.
        programSection->FireOnUSBRoutingChanged(GetParamI(idUSBRouting));
    }
}
