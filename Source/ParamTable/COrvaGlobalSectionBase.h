#pragma once

#include "ParamTable/CSectionImplBaseT.h"
#include "ParamTable/ISoundSection.h"

class COrvaUserEditSectionBase;

// Global-settings section shared by the two Orva models: the 19-byte global
// block (WIDE, USB routing, audio-EQ selection). A change of the EQ selection
// asks the amplifier for its current audio EQ; a routing change is announced
// through the program section of the same data centre.
class COrvaGlobalSectionBase : public CSectionImplBaseT<COrvaGlobalSectionBase, ISoundSection>
{
public:
    static constexpr unsigned blockSize = 19;

    bool FindSectionByPID(int id, ISection** out) override;
    ISection* GetFX1FX() override { return nullptr; }
    ISection* GetAmpFX() override { return nullptr; }
    ISection* GetRevFX() override { return nullptr; }
    ISection* GetFX2FX() { return nullptr; }
    ISection* GetCabFX() { return nullptr; }
    ISection* GetModFX() { return nullptr; }
    ISection* GetDlyFX() { return nullptr; }

    // The program section that posts the routing event; set by the owner.
    void setProgramSection(COrvaUserEditSectionBase* section) noexcept { programSection = section; }

    virtual void OnReinitialized();
    virtual void SendMIDIParam(const SParamDesc& desc);
    virtual void OnParamChanged(int id, eChgSource source);

    // Static dispatch from the template.
    void AnnouncePut(int id, eChgSource source) { OnParamChanged(id, source); }
    void SendPut(const SParamDesc& desc) { SendMIDIParam(desc); }
    void AnnounceRawPut() { OnReinitialized(); }

protected:
    void initSection(Host* host, void* block, const TABLEDESC& paramTable, const unsigned char* initData);

    COrvaUserEditSectionBase* programSection = nullptr;
};
