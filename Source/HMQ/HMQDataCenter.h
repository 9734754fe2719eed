#pragma once

#include "DataCenter/DecodingDataCenter.h"
#include "ParamTable/HMQ/CHMQCustomSectionImpl.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "ParamTable/HMQ/sCustomAmpFXBuf.h"
#include "ParamTable/HMQ/sEditBuf.h"

namespace HMQ
{
// The eight user programs of the HMQ.
extern sEditBuf m_sRAMProgDataN[8];
} // namespace HMQ

// The data centre of the HMQ series (model 1): 60 factory presets from the
// preload data, eight user programs, four custom amp/effect slots, three file
// tabs of eleven programs, and the decoder of the amplifier's messages that
// carries the synchronisation (mode, user programs, current program, custom
// slots) and the transmit-all forward. It has no global or audio-EQ data.
//
// The buffers are class statics: they outlive every data centre object.
class HMQDataCenter : public DecodingDataCenter
{
public:
    static constexpr int recordSize = 62;
    static constexpr int numPresets = 60;
    static constexpr int numUser = 8;
    static constexpr int numCustomSlots = 4;
    static constexpr int programsPerTab = 11;
    static constexpr int fileReadBufSize = 3 * programsPerTab * recordSize; // 2046
    static constexpr int fileWriteBufSize = 744;

    HMQDataCenter();
    ~HMQDataCenter() override;

    // DataCenter --------------------------------------------------------------
    void Init(Host* host) override;
    void FireOnConnectStatusChanged(bool isConnectedNow) override;
    unsigned char* getEditBuf() const override { return m_sEditBuf.bytes; }
    void setEditBuf(unsigned char* record) override;
    const unsigned char* getInitProgData() const override;
    unsigned char* getCustomBuf(int slot) const override;
    void setCustomBuf(unsigned char* record, int slot) override;
    void UpdateCustomBuf(void* record, int slot) override;
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
    // A custom slot received: the third argument is the slot; one outside 0-3
    // is not stored.
    int OnRcvCustomAMPFXDump(MidiManager* midi, const void* data, unsigned slot) override;

    // The module parts a custom slot keeps, in the order of the custom tabs.
    enum CustomPart : int
    {
        customAmp = 0,
        customPedal1 = 1,
        customPedal2 = 2,
        customReverb = 3
    };

    // Copies one module's part of the edit buffer into custom slot `slot` and
    // marks the part written in the slot's byte 17; or copies the part of the
    // slot back into the edit buffer. Both run under the buffer lock, as the
    // decoder's writes do. False, with nothing copied, for a part or a slot
    // outside 0-3.
    bool storeEditPartInCustomSlot(int part, int slot);
    bool loadCustomPartIntoEditBuf(int part, int slot);

    HMQ::CHMQUserEditSectionImpl& getUserEditSection() noexcept { return userEditSection; }
    HMQ::CHMQCustomSectionImpl& getCustomSection() noexcept { return customSection; }

    // Class statics.
    static HMQ::sEditBuf m_sEditBuf;
    static HMQ::sEditBuf m_sBkEditBuf;
    static HMQ::sCustomAmpFXBuf m_sCustomBuf[4];
    static juce::String sFileName[3];

    // The text of the progress notice the synchronisation broadcasts.
    static const char* const receivingText;

protected:
    const char* className() const override { return "HMQDataCenter"; }

private:
    void decodeModelFunction(MidiManager* midi, const EditorSysExFrame& frame) override;
    void onModeMessage(MidiManager* midi, int kind, int program) override;
    void onModeNotice(MidiManager* midi, int kind, int program);
    void onProgramDump(MidiManager* midi, int bank, int program, const juce::uint8* packed) override;
    void restoreProgramBeforeChain(MidiManager* midi);
    void finishUserProgramChain(MidiManager* midi);
    void onCustomSlotDump(MidiManager* midi, int slot, const juce::uint8* packed);
    void onWriteAcknowledged(MidiManager* midi) override;
    void onTransferStopped(MidiManager* midi) override;

    // Parameter and program changes may change the buffers only while this
    // model's amplifier is connected and no bulk transfer is running.
    bool acceptsUnsolicited(const MidiManager* midi) const override;

    Host* host = nullptr;
    HMQ::CHMQUserEditSectionImpl userEditSection;
    HMQ::CHMQCustomSectionImpl customSection;

    unsigned char fileReadBuf[fileReadBufSize] = {};
    unsigned char fileWriteBuf[fileWriteBufSize] = {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQDataCenter)
};
