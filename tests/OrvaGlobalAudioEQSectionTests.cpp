// Orva global and audio-EQ sections: range events at Init, the events and
// requests of a global change, the reinitialisation sequences, and the EQ
// values that reach CAudioEQManager (clamped) with their coefficient event
// posted by the program section of the same data centre.

#include "EQ/CAudioEQManager.h"
#include "ParamTable/orvaKX/CAudioEQSectionImpl.h"
#include "ParamTable/orvaKX/CGlobalSectionImpl.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"
#include "ParamTable/orvaKX/OKXGlobalTables.h"
#include "ParamTable/orvaPW/CAudioEQSectionImpl.h"
#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"
#include "ParamTable/orvaPW/OPWGlobalTables.h"
#include "support/SectionTestSupport.h"

#include <gtest/gtest.h>

using testing_support::RecordingHost;
using testing_support::SectionEvent;
using testing_support::SectionEventRecorder;
using Events = std::vector<SectionEvent>;

namespace
{
struct KXSections
{
    explicit KXSections(Host* host)
    {
        std::memcpy(eqBlock.bytes, orvaKX::INITCHUNK_AUDIOEQPARAM, 18);
        global.setProgramSection(&program);
        eq.setProgramSection(&program);
        program.Init(host, &record);
        global.Init(host, &globalBlock);
        eq.Init(host, &eqBlock);
    }
    orvaKX::sEditBuf record {};
    orvaKX::sGlobalBuf globalBlock {};
    orvaKX::sAudioEQBuf eqBlock {};
    orvaKX::COKXUserEditSectionImpl program;
    orvaKX::CGlobalSectionImpl global;
    orvaKX::CAudioEQSectionImpl eq;
};

// Function and argument bytes of every SysEx sent; clears the record.
std::vector<std::vector<int>> takeSent(RecordingHost& rig)
{
    std::lock_guard<std::mutex> lock(rig.mutex);
    std::vector<std::vector<int>> out;
    for (const auto& m : rig.sent)
        out.push_back(std::vector<int>(m.getRawData() + 6, m.getRawData() + m.getRawDataSize() - 1));
    rig.sent.clear();
    return out;
}

// KX sections whose EQ reaches the audio-EQ manager; nothing recorded yet.
struct OrvaAudioEQSection : ::testing::Test
{
    OrvaAudioEQSection()
    {
        rig.host->setAudioEQManager(manager);
        events.take();
        takeSent(rig);
    }
    ~OrvaAudioEQSection() override { rig.host->setAudioEQManager(nullptr); }

    RecordingHost rig;
    CAudioEQManager* manager = CAudioEQManager::getInstance();
    SectionEventRecorder events;
    KXSections s { rig.host };
};
} // namespace

TEST(OrvaGlobalSection, InitPostsTheRangesAndAGlobalChangeAsksForTheCurrentEQ)
{
    RecordingHost rig;
    SectionEventRecorder events;
    KXSections s(rig.host);
    auto initEvents = events.take();
    // Program-section events come first; the global ranges follow, then 14 EQ ranges.
    ASSERT_GE(initEvents.size(), 17u);
    const Events tail(initEvents.end() - 17, initEvents.end());
    EXPECT_EQ(tail[0], (SectionEvent { 4, 1, 0x4200, 0, 1, 0 }));
    EXPECT_EQ(tail[1], (SectionEvent { 4, 1, 0x4300, 0, 2, 0 }));
    EXPECT_EQ(tail[2], (SectionEvent { 4, 1, 0x4400, 0, 4, 0 }));
    EXPECT_EQ(tail[3], (SectionEvent { 4, 1, 0x6000, 0, 240, 0 }));
    EXPECT_EQ(tail[16], (SectionEvent { 4, 1, 0x6502, 4, 10, 0 }));

    takeSent(rig);
    s.global.PutParamIEx(0x4400, 3, 0xFF, CHGSRC_CONTROL);
    EXPECT_EQ(events.take(), (Events { { 3, 1, 0x4400, 0, 0, 0 } }));
    EXPECT_EQ(takeSent(rig), (std::vector<std::vector<int>> { { 0x41, 0x44, 0x00, 3, 0 }, { 0x19 } }));
    EXPECT_EQ(s.globalBlock.bytes[4], 3);

    // A routing change is announced by the program section.
    s.global.PutParamIEx(0x4300, 2, 0xFF, CHGSRC_CONTROL);
    EXPECT_EQ(events.take(), (Events { { 3, 1, 0x4300, 0, 0, 0 }, { 18, 1, 2, 0, 0, 0 } }));
}

TEST(OrvaGlobalSection, ReceivedBlockReinitialises)
{
    SectionEventRecorder events;
    KXSections s(nullptr);
    events.take();
    unsigned char block[19] = {};
    block[3] = 1;
    block[18] = 0x55;
    EXPECT_EQ(s.global.RawPut(block, 0, 19), 19u);
    EXPECT_EQ(events.take(), (Events { { 1, 1, 0, 0, 0, 0 },
                                       { 2, 1, 0x4200, 0, 0, 0 },
                                       { 2, 1, 0x4300, 0, 0, 0 },
                                       { 2, 1, 0x4400, 0, 0, 0 },
                                       { 18, 1, 1, 0, 0, 0 } }));
    EXPECT_EQ(s.globalBlock.bytes[18], 0x55);
    ISection* found = nullptr;
    EXPECT_TRUE(s.global.FindSectionByPID(0x4300, &found));
    EXPECT_EQ(found, &s.global);
}

TEST_F(OrvaAudioEQSection, ChangesReachTheManagerWithOneCoefficientEvent)
{
    s.eq.PutParamIEx(0x6301, 48, 0xFF, CHGSRC_CONTROL);
    EXPECT_EQ(manager->getBand(2)->getGainStep(), 24); // +12 dB
    EXPECT_EQ(events.take(), (Events { { 19, 1, 0, 0, 0, 0 }, { 3, 1, 0x6301, 0, 0, 0 } }));
    EXPECT_EQ(takeSent(rig), (std::vector<std::vector<int>> { { 0x41, 0x63, 0x01, 48, 0 } }));

    s.eq.PutParamIEx(0x6100, 1, 0xFF, CHGSRC_CONTROL);
    EXPECT_EQ(events.take(), (Events { { 3, 1, 0x6100, 0, 0, 0 } }));

    s.eq.PutParamIEx(0x6000, 140, 0xFF, CHGSRC_CONTROL);
    EXPECT_NEAR(manager->getTrim(), 2.0, 1e-9);
    s.eq.PutParamIEx(0x6202, 9, 0xFF, CHGSRC_CONTROL);
    EXPECT_NEAR(manager->getBand(1)->getQ(), 0.9, 1e-9);

    // Written values are clamped; a received one is stored as it came and
    // reaches the manager clamped.
    s.eq.PutParamI(0x6200, 1200);
    EXPECT_EQ(s.eqBlock.bytes[2] | (s.eqBlock.bytes[3] << 8), 1000);
    s.eq.OnRcvMIDIParam(0x6200, 1200, CHGSRC_DEVICE);
    EXPECT_EQ(s.eqBlock.bytes[2] | (s.eqBlock.bytes[3] << 8), 1200);
    EXPECT_DOUBLE_EQ(manager->getBand(1)->getFc(), 1000.0);
}

TEST_F(OrvaAudioEQSection, ReinitialisationRebuildsEveryBand)
{
    const unsigned char block[18] = { 100, 1, 0xB0, 0x04, 30, 8, 0x20, 0x03, 20, 50, 0xD0, 0x07, 24, 20, 0x10, 0x27, 48, 4 };
    s.eq.RawPut(block, 0, 18);
    const auto kx = events.take();
    ASSERT_EQ(kx.size(), 16u); // reinitialised, 14 property events, coefficients
    EXPECT_EQ(kx.front(), (SectionEvent { 1, 1, 0, 0, 0, 0 }));
    EXPECT_EQ(kx[1], (SectionEvent { 2, 1, 0x6000, 0, 0, 0 }));
    EXPECT_EQ(kx.back(), (SectionEvent { 19, 1, 0, 0, 0, 0 }));
    EXPECT_NEAR(manager->getTrim(), -2.0, 1e-9);
    EXPECT_DOUBLE_EQ(manager->getBand(1)->getFc(), 1000.0); // 1200 received, clamped
    EXPECT_EQ(manager->getBand(1)->getGainStep(), 6);
    EXPECT_DOUBLE_EQ(manager->getBand(2)->getFc(), 800.0);
    EXPECT_NEAR(manager->getBand(3)->getQ(), 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(manager->getBand(4)->getFc(), 10000.0);
    EXPECT_EQ(manager->getBand(4)->getGainStep(), 24);

    // The PW posts no property events.
    orvaPW::sEditBuf record {};
    orvaPW::sAudioEQBuf eqBlock {};
    orvaPW::COPWUserEditSectionImpl program;
    orvaPW::CAudioEQSectionImpl pwEQ;
    pwEQ.setProgramSection(&program);
    program.Init(rig.host, &record);
    pwEQ.Init(rig.host, &eqBlock);
    events.take();
    pwEQ.RawPut(block, 0, 18);
    EXPECT_EQ(events.take(), (Events { { 1, 1, 0, 0, 0, 0 }, { 19, 1, 0, 0, 0, 0 } }));
}
