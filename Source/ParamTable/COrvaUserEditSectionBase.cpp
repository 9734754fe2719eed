#include "ParamTable/COrvaUserEditSectionBase.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"

void COrvaUserEditSectionBase::initSection(Host* hostToUse, void* record, const TABLEDESC& paramTable,
                                           const unsigned char* initData)
{
    amp->Init(hostToUse, 0, 1, 0, record);
    fx1->Init(hostToUse, 0, 1, 0, record);
    fx2->Init(hostToUse, 0, 1, 0, record);

    host = hostToUse;
    table = CParamTable::GetInstance(paramTable, 0);
    sectionId = 1;
    idBase = 0;
    buffer = static_cast<unsigned char*>(record);
    size = recordSize;
    initBuffer = initData;
}

CFXSectionImpl* COrvaUserEditSectionBase::routeById(int id) const
{
    if (id == 0x100 || (id >= 0x400 && id <= 0x409))
        return amp;
    if (id >= 0x500 && id <= 0x505)
        return fx1;
    if (id >= 0x600 && id <= 0x605)
        return fx2;
    return nullptr;
}

int COrvaUserEditSectionBase::GetIndexByParamID(int id) const
{
    if (auto* sub = routeById(id))
        return sub->GetIndexByParamID(id);
    return CSectionImplBaseT::GetIndexByParamID(id);
}

bool COrvaUserEditSectionBase::GetParamDesc(int id, SParamDesc* desc) const
{
    if (auto* sub = routeById(id))
        return sub->GetParamDesc(id, desc);
    return CSectionImplBaseT::GetParamDesc(id, desc);
}

bool COrvaUserEditSectionBase::GetParamDescByIndex(unsigned index, SParamDesc* desc) const
{
    return PrepareParamDesc(index, desc);
}

bool COrvaUserEditSectionBase::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! TemplatePrepareParamDesc(index, desc))
        return false;
    // A row whose id a sub-section owns is that sub-section's row: prepared
    // there by id, so that reads by index and by id give the same row.
    if (auto* sub = routeById(desc->id))
        return sub->GetParamDesc(desc->id, desc);
    return true;
}

bool COrvaUserEditSectionBase::FindSectionByPID(int id, ISection** out)
{
    if (out == nullptr)
        return false;
    auto* sub = routeById(id);
    if (id == 0x100 && ! ampAnnouncesNRSens())
        sub = nullptr;
    *out = sub != nullptr ? static_cast<ISection*>(sub) : static_cast<ISection*>(this);
    return true;
}

void COrvaUserEditSectionBase::OnParamChanged(int id, eChgSource source)
{
    if (id == 0x301 || id == 0x201 || (id >= 0x500 && id <= 0x505))
        fx1->OnParamChanged(id, source);
    else if (id == 0x302 || id == 0x202 || (id >= 0x600 && id <= 0x605))
        fx2->OnParamChanged(id, source);
    else if (id == 0x300 || (id >= 0x400 && id <= 0x409) || (id == 0x100 && ampAnnouncesNRSens()))
        amp->OnParamChanged(id, source);
    else
        FireOnSectionParamChanged(id, source);
}

void COrvaUserEditSectionBase::OnReinitialized()
{
    FireOnSectionReinitialized();
    fx1->InitFXType((unsigned) std::max(0, GetParamI(0x301)));
    fx2->InitFXType((unsigned) std::max(0, GetParamI(0x302)));
    amp->InitFXType((unsigned) std::max(0, GetParamI(0x300)));
    fx1->OnReinitialized();
    fx2->OnReinitialized();
    amp->OnReinitialized();
}

void COrvaUserEditSectionBase::SendMIDIParam(const SParamDesc& desc)
{
    if (host == nullptr || desc.id < 0 || desc.ptype == PTYPE_NONE || desc.ptype == PTYPE_STR || desc.accessor == nullptr)
        return;

    int value = static_cast<IAccessorI*>(desc.accessor)->GetRaw(desc.data, desc.offset);
    if (desc.id == 0x301)
        value = fx1TypeToWire(value);
    else if (desc.id == 0x300)
        value = ampTypeToWire(value);

    if (auto* midi = host->getMidiManager())
        midi->sendParamChange16((unsigned char) ((desc.id >> 8) & 0xFF), (unsigned char) (desc.id & 0xFF),
                                (unsigned short) (value & 0xFFFF), 0);
}

void COrvaUserEditSectionBase::OnRcvMIDIParam(int id, int value, eChgSource source)
{
    if (! acceptsReceivedParams())
        return;
    if (id == 0x300 || id == 0x301)
    {
        const int type = id == 0x300 ? wireToAmpType(value & 0xFF) : wireToFX1Type(value);
        if (type < 0)
        {
            juce::Logger::writeToLog(juce::String(className()) + "::OnRcvMIDIParam: dropped unknown type value "
                                     + juce::String(value) + " for id 0x" + juce::String::toHexString(id));
            return;
        }
        value = type;
    }
    CSectionImplBaseT::OnRcvMIDIParam(id, value, source);
}
