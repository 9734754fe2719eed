#pragma once

#include "DataCenter/OrvaDataCenter.h"
#include "ParamTable/orvaKX/CAudioEQSectionImpl.h"
#include "ParamTable/orvaKX/CGlobalSectionImpl.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"

namespace orvaKX
{
// The eight user programs of the Orva KX.
extern sEditBuf m_sRAMProgDataN[8];
} // namespace orvaKX

// The data centre of the Orva KX (models 2 and 4).
class OKXDataCenter : public OrvaDataCenter
{
public:
    OKXDataCenter();
    ~OKXDataCenter() override;

    void Init(Host* host) override;

    // Class statics: they outlive every data centre of this model.
    static orvaKX::sEditBuf m_sEditBuf;
    static orvaKX::sEditBuf m_sBkEditBuf;
    static orvaKX::sGlobalBuf m_sGlobalBuf;
    static orvaKX::sGlobalBuf m_sBkGlobalBuf;
    static orvaKX::sAudioEQBuf m_sCurrentAudioEQBuf;
    static orvaKX::sAudioEQBuf m_sBkAudioEQBuf;
    static orvaKX::sAudioEQBuf m_sAudioEQBuf[4];
    static juce::String sFileName[3];
    static const unsigned char* const m_InitProgData;

protected:
    const char* className() const override { return "OKXDataCenter"; }

private:
    orvaKX::COKXUserEditSectionImpl userEditSection;
    orvaKX::CGlobalSectionImpl globalSectionImpl;
    orvaKX::CAudioEQSectionImpl audioEQSectionImpl;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXDataCenter)
};
