#include "OrvaKX/OKXDataCenter.h"

#include "ParamTable/orvaKX/OKXGlobalTables.h"

#include <cstring>

namespace orvaKX
{
sEditBuf m_sRAMProgDataN[8];
} // namespace orvaKX

orvaKX::sEditBuf OKXDataCenter::m_sEditBuf;
orvaKX::sEditBuf OKXDataCenter::m_sBkEditBuf;
orvaKX::sGlobalBuf OKXDataCenter::m_sGlobalBuf;
orvaKX::sGlobalBuf OKXDataCenter::m_sBkGlobalBuf;
orvaKX::sAudioEQBuf OKXDataCenter::m_sCurrentAudioEQBuf;
orvaKX::sAudioEQBuf OKXDataCenter::m_sBkAudioEQBuf;
orvaKX::sAudioEQBuf OKXDataCenter::m_sAudioEQBuf[4];
juce::String OKXDataCenter::sFileName[3];
const unsigned char* const OKXDataCenter::m_InitProgData = orvaKX::COKXUserEditSectionImpl::m_InitProgData;

namespace
{
// Fills the class statics from the initial data when the program starts.
// The initial images are constant-initialised, so they are ready here.
const bool staticsFilled = [] {
    using namespace orvaKX;
    std::memcpy(OKXDataCenter::m_sEditBuf.bytes, COKXUserEditSectionImpl::m_InitProgData, 62);
    OKXDataCenter::m_sBkEditBuf = OKXDataCenter::m_sEditBuf;
    for (auto& record : m_sRAMProgDataN)
        record = OKXDataCenter::m_sEditBuf;
    std::memcpy(OKXDataCenter::m_sGlobalBuf.bytes, INITCHUNK_GLOBALPARAM, 19);
    OKXDataCenter::m_sBkGlobalBuf = OKXDataCenter::m_sGlobalBuf;
    std::memcpy(OKXDataCenter::m_sCurrentAudioEQBuf.bytes, INITCHUNK_AUDIOEQPARAM, 18);
    OKXDataCenter::m_sBkAudioEQBuf = OKXDataCenter::m_sCurrentAudioEQBuf;
    for (auto& slot : OKXDataCenter::m_sAudioEQBuf)
        slot = OKXDataCenter::m_sCurrentAudioEQBuf;
    return true;
}();

OrvaDataCenter::Buffers okxBuffers()
{
    using namespace orvaKX;
    return { OKXDataCenter::m_sEditBuf.bytes,
             OKXDataCenter::m_sBkEditBuf.bytes,
             m_sRAMProgDataN[0].bytes,
             OKXDataCenter::m_sGlobalBuf.bytes,
             OKXDataCenter::m_sBkGlobalBuf.bytes,
             OKXDataCenter::m_sCurrentAudioEQBuf.bytes,
             OKXDataCenter::m_sBkAudioEQBuf.bytes,
             OKXDataCenter::m_sAudioEQBuf[0].bytes,
             OKXDataCenter::sFileName,
             COKXUserEditSectionImpl::m_InitProgData,
             INITCHUNK_GLOBALPARAM,
             INITCHUNK_AUDIOEQPARAM };
}
} // namespace

OKXDataCenter::OKXDataCenter() : OrvaDataCenter(okxBuffers(), userEditSection, globalSectionImpl, audioEQSectionImpl)
{
    juce::ignoreUnused(staticsFilled);
    globalSectionImpl.setProgramSection(&userEditSection);
    audioEQSectionImpl.setProgramSection(&userEditSection);
}

OKXDataCenter::~OKXDataCenter() = default;

void OKXDataCenter::Init(Host* hostToUse)
{
    host = hostToUse;
    userEditSection.Init(hostToUse, &m_sEditBuf);
    globalSectionImpl.Init(hostToUse, &m_sGlobalBuf);
    audioEQSectionImpl.Init(hostToUse, &m_sCurrentAudioEQBuf);
}
