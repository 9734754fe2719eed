#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"

#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/orvaPW/OPWParamEditTable.h"

namespace orvaPW
{
const unsigned char COPWUserEditSectionImpl::m_InitProgData[62] = {
    // 0-15 name (blanks), 16 NR SENS, 17 switches, 18-28 amp, 31-37 FX1, 39-46 FX2 (TIME 320)
    32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 0, 0, 23, 50, 50, 50, 50, 50, 0, 1, 1, 0, 0, 0, 0,
    4,  25, 90, 50, 0,  0,  0,  0,  1,  64, 1,  59, 50, 22, 0,  0,  0, 0, 0,  0,  0,  0,  0,  0,  0, 0, 0, 0, 0, 0, 0,
};

COPWUserEditSectionImpl::COPWUserEditSectionImpl() : ampFX(*this), fx1FX(*this), fx2FX(*this)
{
    amp = &ampFX;
    fx1 = &fx1FX;
    fx2 = &fx2FX;
}

void COPWUserEditSectionImpl::Init(Host* hostToUse, sEditBuf* record)
{
    initSection(hostToUse, record, TABLEDESC_PARAMEDIT, m_InitProgData);
}

int COPWUserEditSectionImpl::ampTypeToWire(int type) const
{
    return getAmpTypeValue((eAmpType) type);
}

int COPWUserEditSectionImpl::fx1TypeToWire(int type) const
{
    return getFX1TypeValue((eFX1Type) type);
}

int COPWUserEditSectionImpl::wireToAmpType(int wire) const
{
    return getAmpType((unsigned char) wire);
}

int COPWUserEditSectionImpl::wireToFX1Type(int wire) const
{
    return getFX1Type((eMIDIFX1Type) wire);
}
} // namespace orvaPW
