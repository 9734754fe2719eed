#pragma once

#include "DataCenter/DecodingDataCenter.h"

class COrvaUserEditSectionBase;
class COrvaGlobalSectionBase;
class COrvaAudioEQSectionBase;

// What the two Orva data centres share: eight user programs, the global
// block, the current audio-EQ block with four stored slots, three file tabs
// of eight programs, and the decoder of the amplifier's messages that also
// carries the synchronisation and transmit-all chains forward.
//
// The buffers are class statics of each concrete data centre (they outlive
// it); the concrete class hands them over with its sections.
class OrvaDataCenter : public DecodingDataCenter
{
public:
    static constexpr int recordSize = 62;
    static constexpr int numUser = 8;
    static constexpr int globalSize = 19;
    static constexpr int audioEQSize = 18;
    static constexpr int numAudioEQSlots = 4;
    static constexpr int programsPerTab = 8;
    static constexpr int fileReadBufSize = 3 * programsPerTab * recordSize;
    static constexpr int fileWriteBufSize = 558;

    // The static buffers of one concrete class.
    struct Buffers
    {
        unsigned char* edit;         // one record
        unsigned char* backupEdit;   // one record
        unsigned char* ram;          // eight records
        unsigned char* global;       // 19 bytes
        unsigned char* backupGlobal; // 19 bytes
        unsigned char* currentEQ;    // 18 bytes
        unsigned char* backupEQ;     // 18 bytes
        unsigned char* eqSlots;      // four blocks of 18 bytes
        juce::String* fileNames;     // three names
        const unsigned char* initProg;
        const unsigned char* initGlobal;
        const unsigned char* initEQ;
    };

    ~OrvaDataCenter() override;

    // DataCenter --------------------------------------------------------------
    unsigned char* getEditBuf() const override { return buffers.edit; }
    void setEditBuf(unsigned char* record) override;
    const unsigned char* getInitProgData() const override { return buffers.initProg; }
    unsigned char* getGlobalBuf() const override { return buffers.global; }
    const unsigned char* getInitGlobalData() const override { return buffers.initGlobal; }
    unsigned char* getAudioEQBuf(int slot) const override;
    void setAudioEQBuf(unsigned char* block, int slot) override;
    juce::String getFileName(int tab) override;
    void setCurProgName(juce::String name) override;
    void setFileName(int tab, juce::String name) override;
    unsigned char* getROMProgPtr(int) const override { return nullptr; }
    unsigned char* getRAMProgPtr(int user) const override;
    void setRAMProgram(int user, void* record) override;
    unsigned char* getFileReadBuf() override { return fileReadBuf; }
    unsigned char* getFileWriteBuf() override { return fileWriteBuf; }
    void UpdateEditBuf(void* record) override;
    void BackupEditBuf() override;
    void RestoreEditBuf() override;
    void BackupGlobalBuf() override;
    void RestoreGlobalBuf() override;
    void BackupCurAudioEQBuf() override;
    void RestoreCurAudioEQBuf() override;
    void FireOnConnectStatusChanged(bool connected) override;

    // The buffers saved at the last shutdown, replayed by the post-connect
    // set-up until the amplifier's own data arrives.
    const unsigned char* getBackupEditBuf() const noexcept { return buffers.backupEdit; }
    const unsigned char* getBackupGlobalBuf() const noexcept { return buffers.backupGlobal; }
    const unsigned char* getBackupAudioEQBuf() const noexcept { return buffers.backupEQ; }

    unsigned char* getCurAudioEQBuf() const { return buffers.currentEQ; }
    void UpdateCurAudioEQBuf(const void* block);
    const unsigned char* getInitAudioEQData() const { return buffers.initEQ; }

    // Receive callbacks ---------------------------------------------------------
    int OnRcvCurProgDump(MidiManager* midi, const void* data, unsigned size) override;
    int OnRcvProgDump(MidiManager*, int, const void*, unsigned) override { return 0; }
    int OnRcvParamChange(MidiManager* midi, unsigned char hi, int lo, int value) override;
    int OnRcvModeChange(MidiManager* midi, unsigned char kind, int number) override;
    int OnRcvProgramChange(MidiManager* midi, int number, unsigned char newMode, unsigned char oldMode) override;
    int OnRcvGlobalDump(MidiManager* midi, const void* data, unsigned size) override;
    int OnRcvAudioEQDump(MidiManager* midi, const void* data, unsigned size, int slot) override;
    int OnRcvCurAudioEQDump(MidiManager* midi, const void* data, unsigned size) override;

    COrvaUserEditSectionBase& getUserEditSection() const noexcept { return editSection; }
    COrvaGlobalSectionBase& getGlobalSection() const noexcept { return globalSection; }
    COrvaAudioEQSectionBase& getAudioEQSection() const noexcept { return eqSection; }

    // The text of the progress notice the synchronisation broadcasts.
    static const char* const receivingText;

protected:
    OrvaDataCenter(const Buffers& buffers, COrvaUserEditSectionBase& editSection, COrvaGlobalSectionBase& globalSection,
                   COrvaAudioEQSectionBase& eqSection);

    Host* host = nullptr;

private:
    void beforeDecoding() override;
    void decodeModelFunction(MidiManager* midi, const EditorSysExFrame& frame) override;
    void onModeMessage(MidiManager* midi, int kind, int program) override;
    void onModeNotice(MidiManager* midi, int kind, int program);
    void onProgramDump(MidiManager* midi, int bank, int program, const juce::uint8* packed) override;
    void finishUserProgramChain(MidiManager* midi);
    void onAudioEQSlotDump(MidiManager* midi, int slot, const juce::uint8* packed);
    void onWriteAcknowledged(MidiManager* midi) override;
    void onTransferStopped(MidiManager* midi) override;

    // Messages may change the buffers only while this model's amplifier is
    // connected and no bulk transfer (the audio-EQ slots included) is running.
    bool acceptsUnsolicited(const MidiManager* midi) const override;
    bool isSlowLink() const;

    Buffers buffers;
    COrvaUserEditSectionBase& editSection;
    COrvaGlobalSectionBase& globalSection;
    COrvaAudioEQSectionBase& eqSection;

    unsigned char fileReadBuf[fileReadBufSize] = {};
    unsigned char fileWriteBuf[fileWriteBufSize] = {};
    bool slowLink = false; // of the message being decoded
};
