#pragma once

#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/orvaPW/COPWAmpFXSectionImpl.h"
#include "ParamTable/orvaPW/COPWFX1FXSectionImpl.h"
#include "ParamTable/orvaPW/COPWFX2FXSectionImpl.h"
#include "ParamTable/orvaPW/sEditBuf.h"

namespace orvaPW
{
// Parameter access to the program edit record of the data centre.
class COPWUserEditSectionImpl : public COrvaUserEditSectionBase
{
public:
    COPWUserEditSectionImpl();

    void Init(Host* host, sEditBuf* record);

    // The factory program image.
    static const unsigned char m_InitProgData[62];

protected:
    const char* className() const override { return "orvaPW::COPWUserEditSectionImpl"; }
    bool ampAnnouncesNRSens() const override { return false; }
    int ampTypeToWire(int type) const override;
    int fx1TypeToWire(int type) const override;
    int wireToAmpType(int wire) const override;
    int wireToFX1Type(int wire) const override;

private:
    COPWAmpFXSectionImpl ampFX;
    COPWFX1FXSectionImpl fx1FX;
    COPWFX2FXSectionImpl fx2FX;
};
} // namespace orvaPW
