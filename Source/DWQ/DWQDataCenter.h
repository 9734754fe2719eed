#pragma once

#include "DataCenter/DecodingDataCenter.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"
#include "ParamTable/DWQ/sEditBuf.h"

namespace DWQ
{
// The eight user programs of the DWQR.
extern sEditBuf m_sRAMProgDataN[8];
} // namespace DWQ

// The data centre of the DWQR (model 0): the edit record, 11 factory presets,
// 8 user programs and three file tabs of 11 programs, all 30-byte records,
// and the decoder of the amplifier's messages, which also carries the
// synchronisation (mode, user programs 0-7, current program) and the
// transmit-all chain forward. It has no global, audio-EQ or custom data.
//
// Program numbers: presets 0-10, user programs 11-18, file tabs 19-51.
class DWQDataCenter : public DecodingDataCenter
{
public:
    static constexpr int recordSize = 30;
    static constexpr int numUser = 8;
    static constexpr int numPresets = 11;
    static constexpr int programsPerTab = 11;
    static constexpr int fileReadBufSize = 3 * programsPerTab * recordSize; // 990
    static constexpr int fileWriteBufSize = 362;                            // header and one tab

    DWQDataCenter();
    ~DWQDataCenter() override;

    // DataCenter --------------------------------------------------------------
    void Init(Host* host) override;
    void FireOnConnectStatusChanged(bool isConnectedNow) override;
    unsigned char* getEditBuf() const override { return m_sEditBuf.bytes; }
    void setEditBuf(unsigned char* record) override;
    const unsigned char* getInitProgData() const override { return DWQ::m_InitProgData; }
    juce::String getFileName(int tab) override;
    void setCurProgName(juce::String name) override;
    void setFileName(int tab, juce::String name) override;
    unsigned char* getROMProgPtr(int preset) const override;
    unsigned char* getRAMProgPtr(int user) const override;
    void setRAMProgram(int user, void* record) override;
    unsigned char* getFileReadBuf() override { return fileReadBuf; }
    unsigned char* getFileWriteBuf() override { return fileWriteBuf; }
    void UpdateEditBuf(void* record) override;
    void BackupEditBuf() override;
    void RestoreEditBuf() override;

    // Receive callbacks ---------------------------------------------------------
    int OnRcvCurProgDump(MidiManager* midi, const void* data, unsigned size) override;
    int OnRcvProgDump(MidiManager*, int, const void*, unsigned) override { return 0; }
    int OnRcvParamChange(MidiManager* midi, unsigned char hi, int lo, int value) override;
    int OnRcvModeChange(MidiManager* midi, unsigned char kind, int number) override;
    int OnRcvProgramChange(MidiManager* midi, int number, unsigned char newMode, unsigned char oldMode) override;
    int OnRcvGlobalDump(MidiManager*, const void*, unsigned) override { return 0; }

    DWQ::CDWQUserEditSectionImpl& getUserEditSection() noexcept { return userEditSection; }

    // Class statics: they outlive every DWQ data centre.
    static DWQ::sEditBuf m_sEditBuf;
    static DWQ::sEditBuf m_sBkEditBuf;
    static juce::String sFileName[3];

    // The text of the progress notice the synchronisation broadcasts.
    static const char* const receivingText;

protected:
    const char* className() const override { return "DWQDataCenter"; }

private:
    void decodeModelFunction(MidiManager* midi, const EditorSysExFrame& frame) override;
    void onModeMessage(MidiManager* midi, int kind, int program) override;
    void onModeNotice(MidiManager* midi, int kind, int program);
    void restoreProgramBeforeChain(MidiManager* midi);
    void onProgramDump(MidiManager* midi, int bank, int program, const juce::uint8* packed) override;
    void finishReceiveChain(MidiManager* midi);
    void onWriteAcknowledged(MidiManager* midi) override;
    void onTransferStopped(MidiManager* midi) override;

    // The program number of a wire mode kind (0 user, other preset) and a
    // program within its bank; -1 when the bank has no such program.
    static int programNumberOf(int kind, int program) noexcept;
    // Messages may change the buffers only while the amplifier is connected
    // and no bulk transfer is running.
    bool acceptsUnsolicited(const MidiManager* midi) const override;

    Host* host = nullptr;
    DWQ::CDWQUserEditSectionImpl userEditSection;

    unsigned char fileReadBuf[fileReadBufSize] = {};
    unsigned char fileWriteBuf[fileWriteBufSize] = {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQDataCenter)
};
