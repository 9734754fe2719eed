#pragma once

#include "ParamTable/CSectionImplBaseT.h"
#include "ParamTable/DWQ/CDWQAmpFXSectionImpl.h"
#include "ParamTable/DWQ/CDWQDlyRevFXSectionImpl.h"
#include "ParamTable/DWQ/CDWQModFXSectionImpl.h"
#include "ParamTable/DWQ/sEditBuf.h"
#include "ParamTable/ISoundSection.h"

namespace DWQ
{
// Parameter access to the DWQ program edit record of the data centre, with
// its modulation, amp and delay/reverb sub-sections, which own the ids of
// their rows. Beside the record it keeps four editor-side values, read and
// written through pseudo ids and never sent: the on switches of the
// modulation and delay/reverb zones of the editor page and the last type
// other than OFF of each of the two modules.
class CDWQUserEditSectionImpl : public CSectionImplBaseT<CDWQUserEditSectionImpl, ISoundSection>
{
public:
    static constexpr unsigned recordSize = 30;

    static constexpr int idModOn = (int) 0x80000011;
    static constexpr int idDlyRevOn = (int) 0x80000012;
    static constexpr int idLastModType = (int) 0x80000013;
    static constexpr int idLastDlyRevType = (int) 0x80000014;

    CDWQUserEditSectionImpl();

    void Init(Host* host, sEditBuf* record);

    // Routing by id.
    int GetIndexByParamID(int id) const override;
    bool GetParamDesc(int id, SParamDesc* desc) const override;
    bool GetParamDescByIndex(unsigned index, SParamDesc* desc) const override;
    bool FindSectionByPID(int id, ISection** out) override;
    ISection* GetFX1FX() override { return &modFX; }
    ISection* GetAmpFX() override { return &ampFX; }
    ISection* GetRevFX() override { return &dlyRevFX; }

    virtual void OnReinitialized();
    virtual bool PrepareParamDesc(unsigned index, SParamDesc* desc) const;
    virtual void SendMIDIParam(const SParamDesc& desc);
    void OnParamChanged(int id, eChgSource source);

    // The editor-side values by number 1-4 (modulation on, delay/reverb on,
    // last modulation type, last delay/reverb type); set without events.
    unsigned char getStateByte(int number) const noexcept;
    void setStateByte(int number, unsigned char value) noexcept;

    // Static dispatch from the template.
    void AnnouncePut(int id, eChgSource source) { OnParamChanged(id, source); }
    void SendPut(const SParamDesc& desc) { SendMIDIParam(desc); }
    void AnnounceRawPut() { OnReinitialized(); }

private:
    // The sub-section that owns an id, or null for the section's own rows.
    CFXSectionImpl* routeById(int id) const;
    static bool isStateId(int id) noexcept { return id >= idModOn && id <= idLastDlyRevType; }

    CDWQModFXSectionImpl modFX;
    CDWQAmpFXSectionImpl ampFX;
    CDWQDlyRevFXSectionImpl dlyRevFX;
    unsigned char stateBytes[4] = { 0, 0, 1, 1 };
};
} // namespace DWQ
