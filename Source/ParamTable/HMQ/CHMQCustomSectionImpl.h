#pragma once

#include "ParamTable/CSectionImplBaseT.h"
#include "ParamTable/HMQ/sCustomAmpFXBuf.h"
#include "ParamTable/ISoundSection.h"

namespace HMQ
{
// Parameter access to the four custom amp/effect slots (ids 0x90000000 + n).
// Nothing is sent per parameter: a changed slot reaches the amplifier as a
// whole custom dump.
class CHMQCustomSectionImpl : public CSectionImplBaseT<CHMQCustomSectionImpl, ISoundSection>
{
public:
    static constexpr unsigned bufferSize = 4 * 62;

    CHMQCustomSectionImpl() = default;
    ~CHMQCustomSectionImpl() override = default;

    // The four slots, contiguous from the first.
    void Init(Host* host, sCustomAmpFXBuf* slots);

    bool FindSectionByPID(int, ISection** out) override;
    ISection* GetFX1FX() override { return nullptr; }
    ISection* GetAmpFX() override { return nullptr; }
    ISection* GetRevFX() override { return nullptr; }
    virtual ISection* GetFX2FX() { return nullptr; }

    virtual void OnReinitialized() { FireOnSectionReinitialized(); }
    virtual bool PrepareParamDesc(unsigned index, SParamDesc* desc) const { return TemplatePrepareParamDesc(index, desc); }
    virtual void SendMIDIParam(const SParamDesc&) {}
    void OnParamChanged(int id, eChgSource source) { FireOnSectionParamChanged(id, source); }

    // Static dispatch from the template.
    void AnnouncePut(int id, eChgSource source) { OnParamChanged(id, source); }
    void SendPut(const SParamDesc& desc) { SendMIDIParam(desc); }
    void AnnounceRawPut() { OnReinitialized(); }
};
} // namespace HMQ
