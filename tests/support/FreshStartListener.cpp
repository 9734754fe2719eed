#include "support/FreshStartListener.h"

#include "DWQ/DWQDataCenter.h"
#include "DWQ/DWQPresetROMProg.h"
#include "GUI/Shell/MainComponent.h"
#include "HMQ/HMQDataCenter.h"
#include "HMQ/HMQPresetROMProgData.h"
#include "OrvaKX/OKXDataCenter.h"
#include "OrvaPW/OPWDataCenter.h"

namespace testing_support
{
FreshStartListener::FreshStartListener()
    : workingDirectory(juce::File::getCurrentWorkingDirectory()), logger(juce::Logger::getCurrentLogger())
{
    keep(DataCenter::iCurProgNo);
    keep(DataCenter::iUserDestProg);
    keep(MainComponent::m_TargetModelId);

    keep(DWQDataCenter::m_sEditBuf);
    keep(DWQDataCenter::m_sBkEditBuf);
    keep(DWQDataCenter::sFileName);
    keep(DWQ::m_sRAMProgDataN);
    keep(DWQ::m_sROMProgDataN);

    keep(HMQDataCenter::m_sEditBuf);
    keep(HMQDataCenter::m_sBkEditBuf);
    keep(HMQDataCenter::m_sCustomBuf);
    keep(HMQDataCenter::sFileName);
    keep(HMQ::m_sRAMProgDataN);
    keep(HMQ::m_sROMProgDataN);

    keep(OKXDataCenter::m_sEditBuf);
    keep(OKXDataCenter::m_sBkEditBuf);
    keep(OKXDataCenter::m_sGlobalBuf);
    keep(OKXDataCenter::m_sBkGlobalBuf);
    keep(OKXDataCenter::m_sCurrentAudioEQBuf);
    keep(OKXDataCenter::m_sBkAudioEQBuf);
    keep(OKXDataCenter::m_sAudioEQBuf);
    keep(OKXDataCenter::sFileName);
    keep(orvaKX::m_sRAMProgDataN);

    keep(OPWDataCenter::m_sEditBuf);
    keep(OPWDataCenter::m_sBkEditBuf);
    keep(OPWDataCenter::m_sGlobalBuf);
    keep(OPWDataCenter::m_sBkGlobalBuf);
    keep(OPWDataCenter::m_sCurrentAudioEQBuf);
    keep(OPWDataCenter::m_sBkAudioEQBuf);
    keep(OPWDataCenter::m_sAudioEQBuf);
    keep(OPWDataCenter::sFileName);
    keep(orvaPW::m_sRAMProgDataN);
}

void FreshStartListener::OnTestStart(const ::testing::TestInfo&)
{
    workingDirectory.setAsCurrentWorkingDirectory();
    juce::Logger::setCurrentLogger(logger);
    for (auto& restore : restorers)
        restore();
}
} // namespace testing_support
