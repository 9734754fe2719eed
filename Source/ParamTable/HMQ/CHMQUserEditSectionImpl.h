#pragma once

#include "ParamTable/CSectionImplBaseT.h"
#include "ParamTable/HMQ/CHMQAmpFXSectionImpl.h"
#include "ParamTable/HMQ/CHMQPedal1FXSectionImpl.h"
#include "ParamTable/HMQ/CHMQPedal2FXSectionImpl.h"
#include "ParamTable/HMQ/CHMQRevFXSectionImpl.h"
#include "ParamTable/HMQ/sEditBuf.h"
#include "ParamTable/ISoundSection.h"

namespace HMQ
{
// Parameter access to the HMQ program edit record: the program's own rows
// (name, NR SENS, module switches and types) and the Pedal1, Pedal2, Amp and
// Reverb sub-sections, which own the rows of their modules. Values go to the
// amplifier as they are stored.
class CHMQUserEditSectionImpl : public CSectionImplBaseT<CHMQUserEditSectionImpl, ISoundSection>
{
public:
    static constexpr unsigned recordSize = 62;

    CHMQUserEditSectionImpl();
    ~CHMQUserEditSectionImpl() override;

    void Init(Host* host, sEditBuf* record);

    // Routing by id: module ids to their sub-section, the rest to the program table.
    int GetIndexByParamID(int id) const override;
    bool GetParamDesc(int id, SParamDesc* desc) const override;
    bool GetParamDescByIndex(unsigned index, SParamDesc* desc) const override;
    bool FindSectionByPID(int id, ISection** out) override;
    ISection* GetFX1FX() override { return &pedal1; }
    ISection* GetAmpFX() override { return &amp; }
    ISection* GetRevFX() override { return &reverb; }
    virtual ISection* GetFX2FX() { return &pedal2; }

    virtual void OnReinitialized();
    virtual bool PrepareParamDesc(unsigned index, SParamDesc* desc) const;
    virtual void SendMIDIParam(const SParamDesc& desc);
    void OnParamChanged(int id, eChgSource source);

    // Static dispatch from the template.
    void AnnouncePut(int id, eChgSource source) { OnParamChanged(id, source); }
    void SendPut(const SParamDesc& desc) { SendMIDIParam(desc); }
    void AnnounceRawPut() { OnReinitialized(); }

private:
    // The sub-section that owns an id, or null for the program's own rows.
    CFXSectionImpl* routeById(int id) const;

    CHMQPedal1FXSectionImpl pedal1;
    CHMQPedal2FXSectionImpl pedal2;
    CHMQAmpFXSectionImpl amp;
    CHMQRevFXSectionImpl reverb;
};
} // namespace HMQ
