#include "OrvaPW/OPWDataCenter.h"

#include "ParamTable/orvaPW/OPWGlobalTables.h"

#include <cstring>

namespace orvaPW
{
sEditBuf m_sRAMProgDataN[8];
} // namespace orvaPW

orvaPW::sEditBuf OPWDataCenter::m_sEditBuf;
orvaPW::sEditBuf OPWDataCenter::m_sBkEditBuf;
orvaPW::sGlobalBuf OPWDataCenter::m_sGlobalBuf;
orvaPW::sGlobalBuf OPWDataCenter::m_sBkGlobalBuf;
orvaPW::sAudioEQBuf OPWDataCenter::m_sCurrentAudioEQBuf;
orvaPW::sAudioEQBuf OPWDataCenter::m_sBkAudioEQBuf;
orvaPW::sAudioEQBuf OPWDataCenter::m_sAudioEQBuf[4];
juce::String OPWDataCenter::sFileName[3];
const unsigned char* const OPWDataCenter::m_InitProgData = orvaPW::COPWUserEditSectionImpl::m_InitProgData;

namespace
{
// Fills the class statics from the initial data when the program starts.
// The initial images are constant-initialised, so they are ready here.
const bool staticsFilled = [] {
    using namespace orvaPW;
    std::memcpy(OPWDataCenter::m_sEditBuf.bytes, COPWUserEditSectionImpl::m_InitProgData, 62);
    OPWDataCenter::m_sBkEditBuf = OPWDataCenter::m_sEditBuf;
    for (auto& record : m_sRAMProgDataN)
        record = OPWDataCenter::m_sEditBuf;
    std::memcpy(OPWDataCenter::m_sGlobalBuf.bytes, INITCHUNK_GLOBALPARAM, 19);
    OPWDataCenter::m_sBkGlobalBuf = OPWDataCenter::m_sGlobalBuf;
    std::memcpy(OPWDataCenter::m_sCurrentAudioEQBuf.bytes, INITCHUNK_AUDIOEQPARAM, 18);
    OPWDataCenter::m_sBkAudioEQBuf = OPWDataCenter::m_sCurrentAudioEQBuf;
    for (auto& slot : OPWDataCenter::m_sAudioEQBuf)
        slot = OPWDataCenter::m_sCurrentAudioEQBuf;
    return true;
}();

OrvaDataCenter::Buffers opwBuffers()
{
    using namespace orvaPW;
    return { OPWDataCenter::m_sEditBuf.bytes,
             OPWDataCenter::m_sBkEditBuf.bytes,
             m_sRAMProgDataN[0].bytes,
             OPWDataCenter::m_sGlobalBuf.bytes,
             OPWDataCenter::m_sBkGlobalBuf.bytes,
             OPWDataCenter::m_sCurrentAudioEQBuf.bytes,
             OPWDataCenter::m_sBkAudioEQBuf.bytes,
             OPWDataCenter::m_sAudioEQBuf[0].bytes,
             OPWDataCenter::sFileName,
             COPWUserEditSectionImpl::m_InitProgData,
             INITCHUNK_GLOBALPARAM,
             INITCHUNK_AUDIOEQPARAM };
}
} // namespace

OPWDataCenter::OPWDataCenter() : OrvaDataCenter(opwBuffers(), userEditSection, globalSectionImpl, audioEQSectionImpl)
{
    juce::ignoreUnused(staticsFilled);
    globalSectionImpl.setProgramSection(&userEditSection);
    audioEQSectionImpl.setProgramSection(&userEditSection);
}

OPWDataCenter::~OPWDataCenter() = default;

void OPWDataCenter::Init(Host* hostToUse)
{
    host = hostToUse;
    userEditSection.Init(hostToUse, &m_sEditBuf);
    globalSectionImpl.Init(hostToUse, &m_sGlobalBuf);
    audioEQSectionImpl.Init(hostToUse, &m_sCurrentAudioEQBuf);
}
