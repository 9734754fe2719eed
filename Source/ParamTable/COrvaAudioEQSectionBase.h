#pragma once

#include "ParamTable/CSectionImplBaseT.h"
#include "ParamTable/ISoundSection.h"

class COrvaUserEditSectionBase;

// Audio-EQ section shared by the two Orva models: the 18-byte current EQ
// block (trim, on switch, four bands of frequency, gain and Q). Every change
// is pushed into the host's audio-EQ manager, and the program section of the
// same data centre announces the recomputed coefficients.
class COrvaAudioEQSectionBase : public CSectionImplBaseT<COrvaAudioEQSectionBase, ISoundSection>
{
public:
    static constexpr unsigned blockSize = 18;

    bool FindSectionByPID(int id, ISection** out) override;
    ISection* GetFX1FX() override { return nullptr; }
    ISection* GetAmpFX() override { return nullptr; }
    ISection* GetRevFX() override { return nullptr; }
    ISection* GetFX2FX() { return nullptr; }
    ISection* GetCabFX() { return nullptr; }
    ISection* GetModFX() { return nullptr; }
    ISection* GetDlyFX() { return nullptr; }

    // The program section that posts the coefficient event; set by the owner.
    void setProgramSection(COrvaUserEditSectionBase* section) noexcept { programSection = section; }

    virtual void OnReinitialized();
    virtual void SendMIDIParam(const SParamDesc& desc);
    virtual void OnParamChanged(int id, eChgSource source);

    // Static dispatch from the template.
    void AnnouncePut(int id, eChgSource source) { OnParamChanged(id, source); }
    void SendPut(const SParamDesc& desc) { SendMIDIParam(desc); }
    void AnnounceRawPut() { OnReinitialized(); }

    // The parameter ids in id order.
    static const int paramIds[14];

protected:
    void initSection(Host* host, void* block, const TABLEDESC& paramTable, const unsigned char* initData);

    // Whether a reinitialisation announces the property change of every row.
    virtual bool propsOnReinit() const = 0;

    COrvaUserEditSectionBase* programSection = nullptr;
};
