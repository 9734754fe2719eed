#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"

#include <algorithm>

namespace HMQ
{
namespace
{
constexpr int idBiasMirror = (int) 0x8000001E;
constexpr int idClassMirror = (int) 0x8000001F;
} // namespace

CHMQUserEditSectionImpl::CHMQUserEditSectionImpl() : pedal1(*this), pedal2(*this), amp(*this), reverb(*this)
{}

CHMQUserEditSectionImpl::~CHMQUserEditSectionImpl() = default;

void CHMQUserEditSectionImpl::Init(Host* hostToUse, sEditBuf* record)
{
    pedal1.Init(hostToUse, 0, 1, 0, record);
    pedal2.Init(hostToUse, 0, 1, 0, record);
    amp.Init(hostToUse, 0, 1, 0, record);
    reverb.Init(hostToUse, 0, 1, 0, record);

    host = hostToUse;
    table = CParamTable::GetInstance(TABLEDESC_PARAMEDIT, 0);
    sectionId = 1;
    idBase = 0;
    buffer = record != nullptr ? record->bytes : nullptr;
    size = recordSize;
    initBuffer = m_InitProgData;
}

CFXSectionImpl* CHMQUserEditSectionImpl::routeById(int id) const
{
    auto* self = const_cast<CHMQUserEditSectionImpl*>(this);
    if (id >= 0x400 && id <= 0x40B)
        return &self->amp;
    if (id >= 0x500 && id <= 0x505)
        return &self->pedal1;
    if (id >= 0x600 && id <= 0x605)
        return &self->pedal2;
    if (id >= 0x800 && id <= 0x804)
        return &self->reverb;
    return nullptr;
}

int CHMQUserEditSectionImpl::GetIndexByParamID(int id) const
{
    // The index of the program table's row, so that the row read back by
    // that index is the one read by id. Module ids without a program row
    // (the Pedal and Reverb values) have no index here.
    return CSectionImplBaseT::GetIndexByParamID(id);
}

bool CHMQUserEditSectionImpl::GetParamDesc(int id, SParamDesc* desc) const
{
    if (auto* sub = routeById(id))
        return sub->GetParamDesc(id, desc);
    return CSectionImplBaseT::GetParamDesc(id, desc);
}

bool CHMQUserEditSectionImpl::GetParamDescByIndex(unsigned index, SParamDesc* desc) const
{
    return PrepareParamDesc(index, desc);
}

bool CHMQUserEditSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! TemplatePrepareParamDesc(index, desc))
        return false;
    // A row whose id the Amp owns is the Amp's row of the current type, as
    // read by id; the BIAS SHIFT and CLASS mirrors keep the program's row
    // and get the Amp's rule.
    if (auto* sub = routeById(desc->id))
        return sub->GetParamDesc(desc->id, desc);
    if (desc->id == idBiasMirror || desc->id == idClassMirror)
        amp.ApplyTypeRule(desc);
    return true;
}

bool CHMQUserEditSectionImpl::FindSectionByPID(int id, ISection** out)
{
    if (out == nullptr)
        return false;
    auto* sub = routeById(id);
    *out = sub != nullptr ? static_cast<ISection*>(sub) : static_cast<ISection*>(this);
    return true;
}

void CHMQUserEditSectionImpl::OnParamChanged(int id, eChgSource source)
{
    if (id == 0x201 || id == 0x301 || (id >= 0x500 && id <= 0x505))
        pedal1.OnParamChanged(id, source);
    else if (id == 0x202 || id == 0x302 || (id >= 0x600 && id <= 0x605))
        pedal2.OnParamChanged(id, source);
    else if (id == 0x204 || id == 0x304 || (id >= 0x800 && id <= 0x804))
        reverb.OnParamChanged(id, source);
    else if (id == 0x300 || (id >= 0x400 && id <= 0x40B))
        amp.OnParamChanged(id, source);
    else
        FireOnSectionParamChanged(id, source);
}

void CHMQUserEditSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
    pedal1.InitFXType((unsigned) std::max(0, GetParamI(0x301)));
    pedal2.InitFXType((unsigned) std::max(0, GetParamI(0x302)));
    amp.InitFXType((unsigned) std::max(0, GetParamI(0x300)));
    reverb.InitFXType((unsigned) std::max(0, GetParamI(0x304)));
    pedal1.OnReinitialized();
    pedal2.OnReinitialized();
    amp.OnReinitialized();
    reverb.OnReinitialized();
}

void CHMQUserEditSectionImpl::SendMIDIParam(const SParamDesc& desc)
{
    if (host == nullptr || desc.id < 0 || desc.ptype == PTYPE_NONE || desc.ptype == PTYPE_STR || desc.accessor == nullptr)
        return;
    const int value = static_cast<IAccessorI*>(desc.accessor)->GetRaw(desc.data, desc.offset);
    if (auto* midi = host->getMidiManager())
        midi->sendParamChange16((unsigned char) ((desc.id >> 8) & 0xFF), (unsigned char) (desc.id & 0xFF),
                                (unsigned short) (value & 0xFFFF), 0);
}
} // namespace HMQ
