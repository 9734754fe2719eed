#pragma once

#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/orvaKX/COKXAmpFXSectionImpl.h"
#include "ParamTable/orvaKX/COKXFX1FXSectionImpl.h"
#include "ParamTable/orvaKX/COKXFX2FXSectionImpl.h"
#include "ParamTable/orvaKX/sEditBuf.h"

namespace orvaKX
{
// Parameter access to the program edit record of the data centre.
class COKXUserEditSectionImpl : public COrvaUserEditSectionBase
{
public:
    COKXUserEditSectionImpl();

    void Init(Host* host, sEditBuf* record);

    // The factory program image.
    static const unsigned char m_InitProgData[62];

protected:
    const char* className() const override { return "orvaKX::COKXUserEditSectionImpl"; }
    bool ampAnnouncesNRSens() const override { return true; }
    int ampTypeToWire(int type) const override;
    int fx1TypeToWire(int type) const override;
    int wireToAmpType(int wire) const override;
    int wireToFX1Type(int wire) const override;
    // Only while the connection manager has the amplifier's ports open.
    bool acceptsReceivedParams() const override;

private:
    COKXAmpFXSectionImpl ampFX;
    COKXFX1FXSectionImpl fx1FX;
    COKXFX2FXSectionImpl fx2FX;
};
} // namespace orvaKX
