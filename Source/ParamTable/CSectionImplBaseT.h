#pragma once

#include "ParamTable/CParamTable.h"
#include "ParamTable/CSectionEventPoster.h"
#include "ParamTable/IAccessorI.h"
#include "ParamTable/IAccessorS.h"
#include "ParamTable/ISection.h"
#include "ParamTable/ISectionSink.h"
#include "ParamTable/IStringConverter.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

class Host;

// Common body of every section: a parameter table over a raw buffer owned by
// someone else, addressed by parameter id. Impl is the concrete class; it
// supplies, by static dispatch:
//   void AnnouncePut(int id, eChgSource)      - reaction to flag bit 0
//   void SendPut(const SParamDesc&)           - reaction to flag bit 1
//   void OnParamChanged(int id, eChgSource)   - used by OnRcvMIDIParam
//   void AnnounceRawPut()                     - after RawPut
template <class Impl, class Base>
class CSectionImplBaseT : public Base
{
public:
    CSectionImplBaseT() = default;
    ~CSectionImplBaseT() override = default;

    // Sinks -------------------------------------------------------------------
    bool AdviseSink(ISectionSink* sink) override
    {
        if (sink == nullptr || std::find(sinks.begin(), sinks.end(), sink) != sinks.end())
            return false;
        sinks.push_back(sink);
        return true;
    }

    bool UnadviseSink(ISectionSink* sink) override
    {
        const auto found = std::find(sinks.begin(), sinks.end(), sink);
        if (sink == nullptr || found == sinks.end())
            return false;
        sinks.erase(found);
        return true;
    }

    virtual void OnAsyncTimer(unsigned) {}

    virtual void OnAsyncEvent(int kind, int arg)
    {
        const auto copy = sinks;
        for (auto* sink : copy)
        {
            if (kind == 1)
                sink->OnSectionReinitialized(this);
            else if (kind == 2)
                sink->OnSectionParamPropsChanged(this, arg);
            else if (kind == 3)
                sink->OnSectionParamChanged(this, arg);
        }
    }

    // Rows ------------------------------------------------------------------
    unsigned GetParamCount() const override { return table != nullptr ? (unsigned) table->GetCount() : 0u; }

    int GetParamIDByIndex(unsigned index) const override
    {
        if (table == nullptr || index >= table->GetCount())
            return -1;
        const int id = table->GetEntry(index).id;
        return id == -1 ? -1 : id + idBase;
    }

    int GetIndexByParamID(int id) const override
    {
        if (table == nullptr)
            return -1;
        const int local = id == -1 ? -1 : id - idBase;
        uint32_t index = 0;
        return table->FindIndex(local, &index) ? (int) index : -1;
    }

    bool GetParamDescByIndex(unsigned index, SParamDesc* desc) const override { return TemplatePrepareParamDesc(index, desc); }

    bool GetParamDesc(int id, SParamDesc* desc) const override
    {
        const int index = GetIndexByParamID(id);
        if (index < 0)
            return false;
        return this->GetParamDescByIndex((unsigned) index, desc);
    }

    // Values ------------------------------------------------------------------
    int GetParamI(int id) const override
    {
        SParamDesc desc {};
        if (! this->GetParamDesc(id, &desc) || desc.ptype == PTYPE_NONE || desc.accessor == nullptr)
            return 0;
        if (desc.ptype == PTYPE_STR)
        {
            const auto text = static_cast<IAccessorS*>(desc.accessor)->Get(desc.data, desc.offset);
            return desc.converter != nullptr ? desc.converter->Parse(text.c_str()) : 0;
        }
        const int value = static_cast<IAccessorI*>(desc.accessor)->Get(desc.data, desc.offset);
        return clampToRow(value, desc);
    }

    std::string GetParamS(int id) const override
    {
        SParamDesc desc {};
        if (! this->GetParamDesc(id, &desc) || desc.ptype == PTYPE_NONE || desc.accessor == nullptr)
            return {};
        if (desc.ptype == PTYPE_STR)
            return static_cast<IAccessorS*>(desc.accessor)->Get(desc.data, desc.offset);
        const int value = static_cast<IAccessorI*>(desc.accessor)->Get(desc.data, desc.offset);
        return formatValue(desc, value);
    }

    int PutParamI(int id, int value) override { return PutParamIEx(id, value, PutFlags::normalEdit, CHGSRC_CONTROL); }
    std::string PutParamS(int id, const char* text) override
    {
        return PutParamSEx(id, text, PutFlags::normalEdit, CHGSRC_CONTROL);
    }

    virtual int PutParamIEx(int id, int value, unsigned flags, eChgSource source)
    {
        SParamDesc desc {};
        if (! this->GetParamDesc(id, &desc) || ! writable(desc, flags))
            return 0;

        int result = 0;
        if (desc.ptype == PTYPE_STR)
        {
            if (desc.accessor != nullptr && desc.converter != nullptr)
            {
                const auto text = firstText(desc.converter->Format(value));
                const auto stored = static_cast<IAccessorS*>(desc.accessor)->Put(desc.data, desc.offset, text.c_str());
                result = desc.converter->Parse(stored.c_str());
            }
        }
        else if (desc.ptype != PTYPE_NONE && desc.accessor != nullptr)
        {
            result = static_cast<IAccessorI*>(desc.accessor)->Put(desc.data, desc.offset, clampToRow(value, desc));
            if ((flags & PutFlags::send) != 0)
                impl().SendPut(desc);
        }

        if ((flags & PutFlags::announce) != 0)
            impl().AnnouncePut(id, source);
        return result;
    }

    virtual std::string PutParamSEx(int id, const char* text, unsigned flags, eChgSource source)
    {
        SParamDesc desc {};
        if (! this->GetParamDesc(id, &desc) || ! writable(desc, flags))
            return {};

        std::string result;
        if (desc.ptype == PTYPE_STR)
        {
            if (desc.accessor != nullptr)
                result = static_cast<IAccessorS*>(desc.accessor)->Put(desc.data, desc.offset, text != nullptr ? text : "");
        }
        else if (desc.ptype != PTYPE_NONE && desc.accessor != nullptr && desc.converter != nullptr)
        {
            const int value = clampToRow(desc.converter->Parse(text != nullptr ? text : ""), desc);
            const int stored = static_cast<IAccessorI*>(desc.accessor)->Put(desc.data, desc.offset, value);
            result = formatValue(desc, stored);
            if ((flags & PutFlags::send) != 0)
                impl().SendPut(desc);
        }

        if ((flags & PutFlags::announce) != 0)
            impl().AnnouncePut(id, source);
        return result;
    }

    // Stores a value received from the amplifier as it came (no clamping, no
    // send) and announces it.
    void OnRcvMIDIParam(int id, int value, eChgSource source)
    {
        SParamDesc desc {};
        if (! this->GetParamDesc(id, &desc) || (desc.flags & 3u) != 0 || desc.ptype == PTYPE_NONE || desc.ptype == PTYPE_STR
            || desc.accessor == nullptr)
            return;
        static_cast<IAccessorI*>(desc.accessor)->PutRaw(desc.data, desc.offset, value);
        impl().OnParamChanged(id, source);
    }

    // Raw access -------------------------------------------------------------
    unsigned RawSize() const override { return size; }

    unsigned RawGet(void* dst, unsigned offset, unsigned length) const override
    {
        if (buffer == nullptr || dst == nullptr || offset >= size)
            return 0;
        const unsigned count = std::min(size - offset, length);
        std::memcpy(dst, buffer + offset, count);
        return count;
    }

    unsigned RawPut(const void* src, unsigned offset, unsigned length) override
    {
        if (buffer == nullptr || src == nullptr || offset >= size)
            return 0;
        const unsigned count = std::min(size - offset, length);
        std::memcpy(buffer + offset, src, count);
        impl().AnnounceRawPut();
        return count;
    }

    // Events -------------------------------------------------------------------
    void FireOnSectionReinitialized() { post(CSectionEventPoster::reinitialized); }
    void FireOnSectionParamPropsChanged(int id) { post(CSectionEventPoster::paramPropsChanged, id); }
    void FireOnSectionParamChanged(int id, eChgSource source) { post(CSectionEventPoster::paramChanged, id, (int) source); }
    void FireOnSectionParamMinMaxChanged(int id, int min, int max, int x)
    {
        post(CSectionEventPoster::paramMinMaxChanged, id, min, max, x);
    }
    void FireOnConnectStatusChanged(bool connected) { post(CSectionEventPoster::connectStatusChanged, connected ? 1 : 0); }
    void FireOnCatalogSelect(int number) { post(CSectionEventPoster::catalogSelect, number); }
    void FireOnTooltipChanged(int id) { post(CSectionEventPoster::tooltipChanged, id); }
    void FireOnCustomTabOpen(int slot, bool open) { post(CSectionEventPoster::customTabOpen, slot, open ? 1 : 0); }
    void FireOnUICtrlSelectValid(bool valid) { post(CSectionEventPoster::uiCtrlSelectValid, valid ? 1 : 0); }
    void FireOnROMSubTabMove(bool flag) { post(CSectionEventPoster::romSubTabMove, flag ? 1 : 0); }
    void FireOnUSBRoutingChanged(int routing) { post(CSectionEventPoster::usbRoutingChanged, routing); }
    void FireOnEQCoefChanged() { post(CSectionEventPoster::eqCoefChanged); }

    Host* getHost() const noexcept { return host; }
    int getSectionId() const noexcept { return sectionId; }

protected:
    // Copies row index of the current table and binds it to this section:
    // id base applied, data pointer set, init value read from the init
    // buffer where the row asks for it.
    bool TemplatePrepareParamDesc(unsigned index, SParamDesc* desc) const
    {
        if (table == nullptr || desc == nullptr || index >= table->GetCount())
            return false;
        *desc = table->GetEntry(index);
        if (desc->id != -1)
            desc->id += idBase;
        desc->data = buffer;
        if (desc->ptype >= PTYPE_CONT && desc->ptype <= PTYPE_CONT10)
        {
            if (initBuffer == nullptr || (desc->flags & ParamFlags::initFromDefault) != 0 || desc->accessor == nullptr)
                desc->initValue = desc->defValue;
            else
                desc->initValue = static_cast<IAccessorI*>(desc->accessor)->Get(initBuffer, desc->offset);
        }
        return true;
    }

    static int clampToRow(int value, const SParamDesc& desc)
    {
        value = std::min(value, desc.maxValue);
        return std::max(value, desc.minValue);
    }

    static bool writable(const SParamDesc& desc, unsigned flags)
    {
        return (flags & PutFlags::overrideReadOnly) != 0 || (desc.flags & (ParamFlags::notWritable | ParamFlags::disabled)) == 0;
    }

    static std::string firstText(const std::string& multi) { return std::string(multi.c_str()); }

    static std::string formatValue(const SParamDesc& desc, int value)
    {
        return desc.converter != nullptr ? firstText(desc.converter->Format(value)) : std::string();
    }

    void post(int kind, int a = 0, int b = 0, int c = 0, int d = 0)
    {
        CSectionEventPoster::post(host, kind, sectionId, a, b, c, d);
    }

    Impl& impl() { return *static_cast<Impl*>(this); }

    Host* host = nullptr;
    std::vector<ISectionSink*> sinks;
    CParamTable* table = nullptr;
    int idBase = 0;
    int sectionId = 0;
    unsigned char* buffer = nullptr;
    uint32_t size = 0;
    const unsigned char* initBuffer = nullptr;
};
