#pragma once

#include "ParamTable/CSectionImplBaseT.h"

#include <vector>

// Effect sub-section: one module of a program (amp, FX1, FX2) whose rows
// switch with the module's type. It shares its whole section's buffer and
// reads its type through that section, so it works whatever device the host
// has open. It never sends: the whole section does.
class CFXSectionImpl : public CSectionImplBaseT<CFXSectionImpl, ISection>
{
public:
    // What a concrete module provides: its per-type tables and its ids.
    struct Module
    {
        const TABLEDESC* tables = nullptr; // one per type, in type order
        unsigned numTypes = 0;
        int typeId = -1;      // the program row that holds the type
        int onId = -1;        // the module's on/off switch, -1 for none
        std::vector<int> ids; // the module's row ids, in row order
        const unsigned char* initBuffer = nullptr;
        bool flagsInRangeEvents = false; // range events carry the row flags
    };

    CFXSectionImpl(ISection& owner, Module module);

    virtual void Init(Host* host, unsigned type, int sectionId, int idBase, void* buffer);
    virtual void InitFXType(unsigned type);
    virtual void OnReinitialized();
    virtual void OnParamChanged(int id, eChgSource source);
    virtual bool PrepareParamDesc(unsigned index, SParamDesc* desc) const;

    // Reads go through the module's own preparation, so a row read by index
    // and by id (here or through the whole section) carry the same flags.
    bool GetParamDescByIndex(unsigned index, SParamDesc* desc) const override;

    unsigned GetFXType() const noexcept { return fxType; }
    const std::vector<int>& getIds() const noexcept { return module.ids; }

    // Static dispatch from the template.
    void AnnouncePut(int id, eChgSource source) { FireOnSectionParamChanged(id, source); }
    void SendPut(const SParamDesc&) {}
    void AnnounceRawPut() { FireOnSectionReinitialized(); }

protected:
    unsigned limitType(unsigned type) const;
    // The module type as the whole section reads it.
    unsigned readTypeFromOwner() const;
    void firePropsForRows();
    // Order of the property events after a type change; row order by default.
    virtual std::vector<int> propsOrder() const { return module.ids; }

    ISection& owner;
    Module module;
    unsigned fxType = 0;
};
