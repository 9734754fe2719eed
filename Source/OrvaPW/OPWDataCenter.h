#pragma once

#include "DataCenter/OrvaDataCenter.h"
#include "ParamTable/orvaPW/CAudioEQSectionImpl.h"
#include "ParamTable/orvaPW/CGlobalSectionImpl.h"
#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"

namespace orvaPW
{
// The eight user programs of the Orva PW.
extern sEditBuf m_sRAMProgDataN[8];
} // namespace orvaPW

// The data centre of the Orva PW (models 3 and 5).
class OPWDataCenter : public OrvaDataCenter
{
public:
    OPWDataCenter();
    ~OPWDataCenter() override;

    void Init(Host* host) override;

    // Class statics: they outlive every data centre of this model.
    static orvaPW::sEditBuf m_sEditBuf;
    static orvaPW::sEditBuf m_sBkEditBuf;
    static orvaPW::sGlobalBuf m_sGlobalBuf;
    static orvaPW::sGlobalBuf m_sBkGlobalBuf;
    static orvaPW::sAudioEQBuf m_sCurrentAudioEQBuf;
    static orvaPW::sAudioEQBuf m_sBkAudioEQBuf;
    static orvaPW::sAudioEQBuf m_sAudioEQBuf[4];
    static juce::String sFileName[3];
    static const unsigned char* const m_InitProgData;

protected:
    const char* className() const override { return "OPWDataCenter"; }

private:
    orvaPW::COPWUserEditSectionImpl userEditSection;
    orvaPW::CGlobalSectionImpl globalSectionImpl;
    orvaPW::CAudioEQSectionImpl audioEQSectionImpl;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWDataCenter)
};
