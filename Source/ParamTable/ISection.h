#pragma once

#include "ParamTable/SParamDesc.h"

#include <string>

class ISectionSink;

// Origin of a parameter change, carried into the value-changed event.
enum eChgSource : int
{
    CHGSRC_CONTROL = 0, // an editor control, PutParamI or PutParamS
    CHGSRC_CATALOG = 1, // a catalogue pick
    CHGSRC_DEVICE = 2   // the amplifier, or an automatic adjustment by a section
};

// Write flags of PutParamIEx and PutParamSEx.
namespace PutFlags
{
constexpr unsigned announce = 0x1;
constexpr unsigned send = 0x2;
constexpr unsigned overrideReadOnly = 0x8000;
constexpr unsigned normalEdit = 0xFF;
} // namespace PutFlags

// Parameter access to one raw buffer through a parameter table, by id.
class ISection
{
public:
    virtual ~ISection() = default;

    virtual bool AdviseSink(ISectionSink* sink) = 0;
    virtual bool UnadviseSink(ISectionSink* sink) = 0;
    virtual unsigned GetParamCount() const = 0;
    virtual int GetParamIDByIndex(unsigned index) const = 0;
    virtual int GetIndexByParamID(int id) const = 0;
    virtual bool GetParamDescByIndex(unsigned index, SParamDesc* desc) const = 0;
    virtual bool GetParamDesc(int id, SParamDesc* desc) const = 0;
    virtual int GetParamI(int id) const = 0;
    virtual int PutParamI(int id, int value) = 0;
    virtual std::string GetParamS(int id) const = 0;
    virtual std::string PutParamS(int id, const char* text) = 0;
    virtual unsigned RawSize() const = 0;
    virtual unsigned RawGet(void* dst, unsigned offset, unsigned length) const = 0;
    virtual unsigned RawPut(const void* src, unsigned offset, unsigned length) = 0;
};
