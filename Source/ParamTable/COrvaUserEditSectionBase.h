#pragma once

#include "ParamTable/CFXSectionImpl.h"
#include "ParamTable/CSectionImplBaseT.h"
#include "ParamTable/ISoundSection.h"

// Program section shared by the two Orva models: the 62-byte program record
// with its amp, FX1 and FX2 sub-sections, which own the ids of their rows.
class COrvaUserEditSectionBase : public CSectionImplBaseT<COrvaUserEditSectionBase, ISoundSection>
{
public:
    static constexpr unsigned recordSize = 62;

    // Routing by id.
    int GetIndexByParamID(int id) const override;
    bool GetParamDesc(int id, SParamDesc* desc) const override;
    bool GetParamDescByIndex(unsigned index, SParamDesc* desc) const override;
    bool FindSectionByPID(int id, ISection** out) override;
    ISection* GetFX1FX() override { return fx1; }
    ISection* GetAmpFX() override { return amp; }
    ISection* GetRevFX() override { return nullptr; }
    virtual ISection* GetFX2FX() { return fx2; }

    virtual void OnReinitialized();
    virtual bool PrepareParamDesc(unsigned index, SParamDesc* desc) const;
    virtual void SendMIDIParam(const SParamDesc& desc);
    virtual void OnParamChanged(int id, eChgSource source);

    // A parameter change received from the amplifier: type ids arrive as
    // wire values and are mapped to types first; unknown values are dropped.
    void OnRcvMIDIParam(int id, int value, eChgSource source);

    // Static dispatch from the template.
    void AnnouncePut(int id, eChgSource source) { OnParamChanged(id, source); }
    void SendPut(const SParamDesc& desc) { SendMIDIParam(desc); }
    void AnnounceRawPut() { OnReinitialized(); }

protected:
    void initSection(Host* host, void* record, const TABLEDESC& paramTable, const unsigned char* initData);

    // The sub-section that owns an id, or null for the section's own rows.
    CFXSectionImpl* routeById(int id) const;

    // Model differences.
    virtual const char* className() const = 0;
    virtual bool ampAnnouncesNRSens() const = 0;
    virtual int ampTypeToWire(int type) const = 0;
    virtual int fx1TypeToWire(int type) const = 0;
    virtual int wireToAmpType(int wire) const = 0;
    virtual int wireToFX1Type(int wire) const = 0;
    // Whether a received parameter change may be stored now.
    virtual bool acceptsReceivedParams() const { return true; }

    CFXSectionImpl* amp = nullptr;
    CFXSectionImpl* fx1 = nullptr;
    CFXSectionImpl* fx2 = nullptr;
};
