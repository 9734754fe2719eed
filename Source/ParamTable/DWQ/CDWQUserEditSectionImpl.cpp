#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "ParamTable/DWQ/DWQParamEditTable.h"

#include <algorithm>

namespace DWQ
{
namespace
{
constexpr int idAmpType = 0x300;
constexpr int idModType = 0x400;
constexpr int idDlyRevType = 0x500;

// Record bytes of the three module types (bits 0-6).
constexpr int byteAmpType = 18;
constexpr int byteModType = 23;
constexpr int byteDlyRevType = 26;
} // namespace

CDWQUserEditSectionImpl::CDWQUserEditSectionImpl() : modFX(*this), ampFX(*this), dlyRevFX(*this)
{}

void CDWQUserEditSectionImpl::Init(Host* hostToUse, sEditBuf* record)
{
    // Each sub-section starts on the type the record holds, so that its rows
    // match the record even before the first reinitialisation.
    const auto typeAt = [record](int byte) { return record != nullptr ? (unsigned) (record->bytes[byte] & 0x7F) : 0u; };
    modFX.Init(hostToUse, typeAt(byteModType), 1, 0, record);
    ampFX.Init(hostToUse, typeAt(byteAmpType), 1, 0, record);
    dlyRevFX.Init(hostToUse, typeAt(byteDlyRevType), 1, 0, record);

    host = hostToUse;
    table = CParamTable::GetInstance(TABLEDESC_PARAMEDIT, 0);
    sectionId = 1;
    idBase = 0;
    buffer = record != nullptr ? record->bytes : nullptr;
    size = recordSize;
    initBuffer = m_InitProgData;
    stateBytes[0] = 0;
    stateBytes[1] = 0;
    stateBytes[2] = 1;
    stateBytes[3] = 1;
}

CFXSectionImpl* CDWQUserEditSectionImpl::routeById(int id) const
{
    auto* self = const_cast<CDWQUserEditSectionImpl*>(this);
    if (id >= 0x301 && id <= 0x304)
        return &self->ampFX;
    if (id == 0x501 || id == 0x502)
        return &self->dlyRevFX;
    if (id == 0x401)
        return &self->modFX;
    return nullptr;
}

int CDWQUserEditSectionImpl::GetIndexByParamID(int id) const
{
    if (auto* sub = routeById(id))
        return sub->GetIndexByParamID(id);
    return CSectionImplBaseT::GetIndexByParamID(id);
}

bool CDWQUserEditSectionImpl::GetParamDesc(int id, SParamDesc* desc) const
{
    if (auto* sub = routeById(id))
        return sub->GetParamDesc(id, desc);
    return CSectionImplBaseT::GetParamDesc(id, desc);
}

bool CDWQUserEditSectionImpl::GetParamDescByIndex(unsigned index, SParamDesc* desc) const
{
    return PrepareParamDesc(index, desc);
}

bool CDWQUserEditSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! TemplatePrepareParamDesc(index, desc))
        return false;

    if (isStateId(desc->id))
    {
        // The row addresses the state byte, not the record.
        desc->data = const_cast<unsigned char*>(&stateBytes[desc->id - idModOn]);
        desc->initValue = desc->defValue;
        return true;
    }
    // A row whose id a sub-section owns is that sub-section's row: prepared
    // there by id, so that reads by index and by id give the same row.
    if (auto* sub = routeById(desc->id))
        return sub->GetParamDesc(desc->id, desc);
    return true;
}

bool CDWQUserEditSectionImpl::FindSectionByPID(int id, ISection** out)
{
    if (out == nullptr)
        return false;
    auto* sub = routeById(id);
    *out = sub != nullptr ? static_cast<ISection*>(sub) : static_cast<ISection*>(this);
    return true;
}

unsigned char CDWQUserEditSectionImpl::getStateByte(int number) const noexcept
{
    return number >= 1 && number <= 4 ? stateBytes[number - 1] : 0;
}

void CDWQUserEditSectionImpl::setStateByte(int number, unsigned char value) noexcept
{
    if (number >= 1 && number <= 4)
        stateBytes[number - 1] = value;
}

void CDWQUserEditSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
    modFX.InitFXType((unsigned) std::max(0, GetParamI(idModType)));
    ampFX.InitFXType((unsigned) std::max(0, GetParamI(idAmpType)));
    dlyRevFX.InitFXType((unsigned) std::max(0, GetParamI(idDlyRevType)));
    modFX.OnReinitialized();
    ampFX.OnReinitialized();
    dlyRevFX.OnReinitialized();
}

void CDWQUserEditSectionImpl::OnParamChanged(int id, eChgSource source)
{
    if (id == idModType)
    {
        const int type = GetParamI(idModType);
        if (type != 0)
            stateBytes[2] = (unsigned char) type;
        modFX.OnParamChanged(id, source);
    }
    else if (id == idDlyRevType)
    {
        const int type = GetParamI(idDlyRevType);
        if (type != 0)
            stateBytes[3] = (unsigned char) type;
        dlyRevFX.OnParamChanged(id, source);
    }
    else if (id == 0x401)
        modFX.OnParamChanged(id, source);
    else if (id == 0x501 || id == 0x502)
        dlyRevFX.OnParamChanged(id, source);
    else if (id >= idAmpType && id <= 0x304)
        ampFX.OnParamChanged(id, source);
    else
        FireOnSectionParamChanged(id, source);
}

void CDWQUserEditSectionImpl::SendMIDIParam(const SParamDesc& desc)
{
    // The name and the editor-side values (negative ids) never go out.
    if (host == nullptr || desc.id < 0 || desc.ptype == PTYPE_NONE || desc.ptype == PTYPE_STR || desc.accessor == nullptr)
        return;

    const int value = static_cast<IAccessorI*>(desc.accessor)->GetRaw(desc.data, desc.offset);
    if (auto* midi = host->getMidiManager())
        midi->sendParamChange16((unsigned char) ((desc.id >> 8) & 0xFF), (unsigned char) (desc.id & 0xFF),
                                (unsigned short) (value & 0xFFFF), 0);
}
} // namespace DWQ
