#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"

#include "Application/Host.h"
#include "Core/MasterConnectionManager.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "ParamTable/orvaKX/OKXParamEditTable.h"

namespace orvaKX
{
const unsigned char COKXUserEditSectionImpl::m_InitProgData[62] = {
    // 0-15 name (blanks), 16 NR SENS, 17 switches, 18-28 amp, 31-37 FX1, 39-46 FX2 (TIME 320)
    32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 0, 0, 7, 50, 50, 50, 50, 50, 55, 90, 1, 0, 0, 0, 0,
    4,  25, 90, 50, 0,  0,  0,  0,  1,  64, 1,  59, 50, 22, 0,  0,  0, 0, 0, 0,  0,  0,  0,  0,  0,  0,  0, 0, 0, 0, 0,
};

COKXUserEditSectionImpl::COKXUserEditSectionImpl() : ampFX(*this), fx1FX(*this), fx2FX(*this)
{
    amp = &ampFX;
    fx1 = &fx1FX;
    fx2 = &fx2FX;
}

void COKXUserEditSectionImpl::Init(Host* hostToUse, sEditBuf* record)
{
    initSection(hostToUse, record, TABLEDESC_PARAMEDIT, m_InitProgData);
}

int COKXUserEditSectionImpl::ampTypeToWire(int type) const
{
    return getAmpTypeValue((eAmpType) type);
}

int COKXUserEditSectionImpl::fx1TypeToWire(int type) const
{
    return getFX1TypeValue((eFX1Type) type);
}

int COKXUserEditSectionImpl::wireToAmpType(int wire) const
{
    return getAmpType((unsigned char) wire);
}

int COKXUserEditSectionImpl::wireToFX1Type(int wire) const
{
    return getFX1Type((eMIDIFX1Type) wire);
}

bool COKXUserEditSectionImpl::acceptsReceivedParams() const
{
    auto* host = getHost();
    auto* connection = host != nullptr ? host->getMasterConnectionManager() : nullptr;
    return connection != nullptr && connection->getDisconnectCount() == 0;
}
} // namespace orvaKX
