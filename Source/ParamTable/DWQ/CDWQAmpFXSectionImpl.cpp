#include "ParamTable/DWQ/CDWQAmpFXSectionImpl.h"

#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"
#include "ParamTable/DWQ/DWQModuleTables.h"

namespace DWQ
{
namespace
{
constexpr int idType = 0x300;
constexpr int idNR = 0x100;
constexpr int idMiddle = 0x303;
} // namespace

//                                                        DLX  TWD  BCL  BOD  QT   QTHB 1959 800  VM   SLOD DREC
const int32_t CDWQAmpFXSectionImpl::m_NRadjustTable[11] = { 16, 26, 16, 26, 16, 26, 16, 16, 46, 46, 46 };
const int32_t CDWQAmpFXSectionImpl::m_MIDadjustTable[11] = { 75, 50, 50, 60, 50, 50, 100, 75, 50, 70, 70 };

CDWQAmpFXSectionImpl::CDWQAmpFXSectionImpl(CDWQUserEditSectionImpl& programSection)
    : CFXSectionImpl(programSection,
                     Module { TABLEARRAY_AmpFX, 11, idType, -1, { 0x301, 0x302, 0x303, 0x304 }, m_InitProgData, false }),
      program(programSection)
{}

void CDWQAmpFXSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
}

void CDWQAmpFXSectionImpl::OnParamChanged(int id, eChgSource source)
{
    if (id == idType)
    {
        InitFXType(readTypeFromOwner());
        // Notify only: the amplifier applies the same values itself.
        program.PutParamIEx(idNR, m_NRadjustTable[GetFXType()], PutFlags::announce, CHGSRC_DEVICE);
        FireOnSectionParamChanged(idNR, source);
        program.PutParamIEx(idMiddle, m_MIDadjustTable[GetFXType()], PutFlags::announce, CHGSRC_DEVICE);
        FireOnSectionParamChanged(idMiddle, source);
    }
    FireOnSectionParamChanged(id, source);
}
} // namespace DWQ
