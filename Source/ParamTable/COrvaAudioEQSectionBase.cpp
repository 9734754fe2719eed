#include "ParamTable/COrvaAudioEQSectionBase.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "EQ/CAudioEQManager.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

namespace
{
constexpr int idTrim = 0x6000;
constexpr int idOn = 0x6100;

double trimdB(int raw)
{
    return (raw - 120) * 0.1;
}
double gaindB(int raw)
{
    return (raw - 24) * 0.5;
}
double qOf(int raw)
{
    return raw * 0.1;
}

// Band 1..4 of a band id (0x62xx .. 0x65xx), 0 for the others.
int bandOf(int id)
{
    const int group = (id >> 8) & 0xFF;
    return group >= 0x62 && group <= 0x65 ? group - 0x61 : 0;
}

CAudioEQManager* managerOf(Host* host)
{
    return host != nullptr ? host->getAudioEQManager() : nullptr;
}
} // namespace

const int COrvaAudioEQSectionBase::paramIds[14] = { 0x6000, 0x6100, 0x6200, 0x6201, 0x6202, 0x6300, 0x6301,
                                                    0x6302, 0x6400, 0x6401, 0x6402, 0x6500, 0x6501, 0x6502 };

void COrvaAudioEQSectionBase::initSection(Host* hostToUse, void* block, const TABLEDESC& paramTable,
                                          const unsigned char* initData)
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

bool COrvaAudioEQSectionBase::FindSectionByPID(int, ISection** out)
{
    if (out == nullptr)
        return false;
    *out = this;
    return true;
}

void COrvaAudioEQSectionBase::OnReinitialized()
{
    FireOnSectionReinitialized();
    if (propsOnReinit())
        for (int id : paramIds)
            FireOnSectionParamPropsChanged(id);

    auto* manager = managerOf(host);
    if (manager == nullptr)
        return;

    manager->setTrim(trimdB(GetParamI(idTrim)));
    for (int band = 1; band <= CAudioEQManager::numBands; ++band)
    {
        const int group = (0x61 + band) << 8;
        if (auto* holder = manager->getBand(band))
            holder->setParam((double) GetParamI(group), gaindB(GetParamI(group + 1)), qOf(GetParamI(group + 2)));
    }
    if (programSection != nullptr)
        programSection->FireOnEQCoefChanged();
}

void COrvaAudioEQSectionBase::SendMIDIParam(const SParamDesc& desc)
{
    if (host == nullptr || desc.id < 0 || desc.ptype == PTYPE_NONE || desc.ptype == PTYPE_STR || desc.accessor == nullptr)
        return;
    const int value = static_cast<IAccessorI*>(desc.accessor)->GetRaw(desc.data, desc.offset);
    if (auto* midi = host->getMidiManager())
        midi->sendParamChange16((unsigned char) ((desc.id >> 8) & 0xFF), (unsigned char) (desc.id & 0xFF),
                                (unsigned short) (value & 0xFFFF), 0);
}

void COrvaAudioEQSectionBase::OnParamChanged(int id, eChgSource source)
{
    if (auto* manager = managerOf(host); manager != nullptr && id != idOn)
    {
        bool changed = false;
        if (id == idTrim)
        {
            manager->setTrim(trimdB(GetParamI(id)));
            changed = true;
        }
        else if (auto* holder = manager->getBand(bandOf(id)))
        {
            switch (id & 0xFF)
            {
                case 0:
                    holder->setFc((double) GetParamI(id));
                    changed = true;
                    break;
                case 1:
                    holder->setdBGain(gaindB(GetParamI(id)));
                    changed = true;
                    break;
                case 2:
                    holder->setQ(qOf(GetParamI(id)));
                    changed = true;
                    break;
                default: break;
            }
        }
        if (changed && programSection != nullptr)
            programSection->FireOnEQCoefChanged();
    }
    FireOnSectionParamChanged(id, source);
}
