// Program numbering of every model and the data-centre operations that
// depend on it: current program by number and by bank, names, file tabs
// and the index checks of the buffer getters.

#include "DWQ/DWQDataCenter.h"
#include "HMQ/HMQDataCenter.h"
#include "OrvaKX/OKXDataCenter.h"
#include "OrvaPW/OPWDataCenter.h"
#include "support/SectionTestSupport.h"

#include <gtest/gtest.h>

TEST(DataCenterNumbering, TablesOfEveryModel)
{
    struct Row
    {
        int model, presets, firstUser, firstFile, perTab, end, size;
    };
    for (const auto& r : { Row { 0, 11, 11, 19, 11, 52, 30 }, Row { 1, 60, 60, 68, 11, 101, 62 }, Row { 2, 0, 0, 8, 8, 32, 62 },
                           Row { 5, 0, 0, 8, 8, 32, 62 } })
    {
        const auto& n = DataCenter::numberingForModel(r.model);
        EXPECT_EQ(n.numPresets, r.presets);
        EXPECT_EQ(n.firstUser, r.firstUser);
        EXPECT_EQ(n.firstFile(), r.firstFile);
        EXPECT_EQ(n.programsPerTab, r.perTab);
        EXPECT_EQ(n.end(), r.end);
        EXPECT_EQ(n.recordSize, r.size);
        EXPECT_TRUE(n.isFile(r.end - 1));
        EXPECT_EQ(n.tabOf(r.end - 1), 2);
        EXPECT_FALSE(n.isFile(r.end));
        EXPECT_FALSE(n.isPreset(-1) || n.isUser(-1) || n.isFile(-1));
    }
    // HMQ: 79 is the first program of the second tab.
    const auto& hmq = DataCenter::numberingForModel(1);
    EXPECT_EQ(hmq.tabOf(79), 1);
    EXPECT_EQ(hmq.indexInTab(79), 0);
}

TEST(DataCenterNumbering, OrvaCurrentProgram)
{
    OKXDataCenter dc;
    dc.setCurProgNo(1, 3);
    EXPECT_EQ(DataCenter::iCurProgNo, 3);
    EXPECT_EQ(dc.getCurBank(), 1);
    dc.setCurProgNo(1, 8);
    dc.setCurProgNo(1, -1);
    EXPECT_EQ(DataCenter::iCurProgNo, 3);

    dc.setCurProgNo(7);
    EXPECT_EQ(dc.getCurProg(), 7);
    dc.setCurProgNo(31);
    EXPECT_EQ(DataCenter::iCurProgNo, 31);
    EXPECT_EQ(dc.getCurProg(), 7); // a file program keeps bank and program
    dc.setCurProgNo(32);
    dc.setCurProgNo(-1);
    EXPECT_EQ(DataCenter::iCurProgNo, 31);
}

TEST(DataCenterNumbering, NamesAndIndexChecks)
{
    testing_support::RecordingHost rig;
    OPWDataCenter dc;
    dc.Init(rig.host);

    unsigned char r[62];
    std::memset(r, 'x', sizeof r);
    std::memcpy(r, "Clean           ", 16);
    dc.setRAMProgram(2, r);
    EXPECT_EQ(dc.getProgName(2), juce::String("Clean           "));
    std::memcpy(dc.getFileProgPtr(2, 7), "Last one        ", 16);
    EXPECT_EQ(dc.getProgName(31), juce::String("Last one        "));
    EXPECT_EQ(dc.getProgName(32), juce::String());
    EXPECT_EQ(dc.getProgName(-1), juce::String());

    dc.UpdateEditBuf(r);
    EXPECT_EQ(dc.getCurProgName(), juce::String("Clean"));
    dc.setCurProgName("Le\tad");
    EXPECT_EQ(juce::String(juce::CharPointer_ASCII((const char*) dc.getEditBuf()), 16), juce::String("Le ad           "));
    dc.setCurProgName("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(dc.getCurProgName(), juce::String("ABCDEFGHIJKLMNOP"));

    EXPECT_EQ(dc.getRAMProgPtr(8), nullptr);
    EXPECT_EQ(dc.getRAMProgPtr(-1), nullptr);
    EXPECT_EQ(dc.getFileProgPtr(3, 0), nullptr);
    EXPECT_EQ(dc.getFileProgPtr(0, 8), nullptr);
    EXPECT_EQ(dc.getFileProgPtr(-1, 0), nullptr);
    EXPECT_EQ(dc.getAudioEQBuf(4), nullptr);
    EXPECT_EQ(dc.getAudioEQBuf(-1), nullptr);
    EXPECT_EQ(dc.getROMProgPtr(0), nullptr);
    EXPECT_EQ(dc.getModifiedMask(3), 0);
    dc.setRAMProgram(8, r); // ignored

    EXPECT_EQ(dc.getFileName(3), juce::String("-"));
    EXPECT_EQ(dc.getFileName(-1), juce::String("-"));
    dc.setFileName(5, "x");
}

TEST(DataCenterNumbering, ARecordIsCopiedOnlyForAProgramThatExists)
{
    testing_support::RecordingHost rig;
    DWQDataCenter dwq;
    HMQDataCenter hmq;
    OKXDataCenter okx;
    for (DataCenter* dc : std::initializer_list<DataCenter*> { &dwq, &hmq, &okx })
    {
        const auto& n = dc->getNumbering();
        SCOPED_TRACE(n.recordSize + n.numPresets);
        const int size = n.recordSize;
        // The file tabs lie one after the other in the read buffer.
        EXPECT_EQ(dc->getFileProgPtr(0, 0), dc->getFileReadBuf());
        EXPECT_EQ(dc->getFileProgPtr(2, n.programsPerTab - 1) + size, dc->getFileReadBuf() + 3 * n.programsPerTab * size);
        EXPECT_EQ(dc->getFileProgPtr(0, n.programsPerTab), nullptr);

        dc->setFileCount(1);
        std::memset(dc->getFileProgPtr(0, 0), 'f', (size_t) size);
        std::memset(dc->getFileProgPtr(1, 0), 'g', (size_t) size);
        unsigned char out[62];
        auto copied = [&](int program) {
            std::memset(out, 0, sizeof out);
            return dc->copyProgramRecord(program, out);
        };
        if (n.numPresets > 0)
        {
            EXPECT_TRUE(copied(n.numPresets - 1));
            EXPECT_EQ(std::memcmp(out, dc->getROMProgPtr(n.numPresets - 1), (size_t) size), 0);
        }
        EXPECT_TRUE(copied(n.firstUser + 7));
        EXPECT_EQ(std::memcmp(out, dc->getRAMProgPtr(7), (size_t) size), 0);
        EXPECT_TRUE(copied(n.firstFile()));
        EXPECT_EQ(out[0], 'f');
        EXPECT_EQ(out[size - 1], 'f');

        // A program of a tab that is not open, or outside the number space:
        // nothing is copied.
        for (const int program : { n.firstFile() + n.programsPerTab, n.end(), -1 })
        {
            EXPECT_FALSE(copied(program)) << program;
            EXPECT_EQ(out[0], 0) << program;
        }
        dc->setFileCount(0);
    }
}

TEST(DataCenterNumbering, RemoveFileBufOnlyForOpenTabs)
{
    OKXDataCenter dc;
    EXPECT_FALSE(dc.removeFileBuf(0)); // no tab open
    for (int t = 0; t < 3; ++t)
    {
        std::memset(dc.getFileProgPtr(t, 0), 'a' + t, 8 * 62);
        dc.setFileName(t, juce::String::charToString('A' + t));
    }
    dc.setFileCount(2);
    EXPECT_FALSE(dc.removeFileBuf(2));
    EXPECT_FALSE(dc.removeFileBuf(-1));
    EXPECT_EQ(dc.getFileCount(), 2);
    EXPECT_EQ(dc.getFileProgPtr(0, 0)[0], 'a');

    dc.setFileCount(3);
    EXPECT_TRUE(dc.removeFileBuf(0));
    EXPECT_EQ(dc.getFileCount(), 2);
    EXPECT_EQ(dc.getFileProgPtr(0, 7)[61], 'b');
    EXPECT_EQ(dc.getFileProgPtr(1, 0)[0], 'c');
    EXPECT_EQ(dc.getFileName(0), juce::String("B"));
    EXPECT_EQ(dc.getFileName(1), juce::String("C"));
    for (int t = 0; t < 3; ++t)
        dc.setFileName(t, {});
}

TEST(DataCenterNumbering, BackupAndRestore)
{
    OKXDataCenter dc;
    const auto saved = OKXDataCenter::m_sGlobalBuf;
    OKXDataCenter::m_sGlobalBuf.bytes[3] = 2;
    dc.BackupGlobalBuf();
    OKXDataCenter::m_sGlobalBuf.bytes[3] = 0;
    dc.RestoreGlobalBuf();
    EXPECT_EQ(OKXDataCenter::m_sGlobalBuf.bytes[3], 2);
    OKXDataCenter::m_sGlobalBuf = saved;
    // The initial records of both models.
    EXPECT_EQ(OPWDataCenter::m_InitProgData[18], 0x17);
    EXPECT_EQ(OKXDataCenter::m_InitProgData[18], 0x07);
    EXPECT_EQ(OKXDataCenter::m_sAudioEQBuf[3].bytes[14], 0x88);
}
