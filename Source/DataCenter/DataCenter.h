#pragma once

#include "DataCenter/MIDIFunctionCallback.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <utility>

class Host;

// The per-model store of everything known about the connected amplifier:
// the edit buffer, the user programs (and presets where the model has
// them), the programs of the three open file tabs and, per model, global,
// audio-EQ or custom blocks. It also receives the amplifier's messages.
//
// Every model numbers presets, user programs and file-tab programs in one
// integer space (see ProgramNumbering); the current program, the
// librarian's buttons and drag payloads use it.
class DataCenter : public MIDIFunctionCallback
{
public:
    // The program-number space of a model.
    struct ProgramNumbering
    {
        int numPresets;     // presets take 0 .. numPresets - 1
        int firstUser;      // eight user programs follow the presets
        int programsPerTab; // then three file tabs of this many programs
        int recordSize;     // bytes per program record

        static constexpr int numUser = 8;
        static constexpr int numTabs = 3;

        int firstFile() const noexcept { return firstUser + numUser; }
        int end() const noexcept { return firstFile() + numTabs * programsPerTab; }
        bool isPreset(int n) const noexcept { return n >= 0 && n < numPresets; }
        bool isUser(int n) const noexcept { return n >= firstUser && n < firstFile(); }
        bool isFile(int n) const noexcept { return n >= firstFile() && n < end(); }
        int tabOf(int n) const noexcept { return (n - firstFile()) / programsPerTab; }
        int indexInTab(int n) const noexcept { return (n - firstFile()) % programsPerTab; }
    };

    // By model id (0 DWQ, 1 HMQ, 2-5 Orva); the Orva numbering for others.
    static const ProgramNumbering& numberingForModel(int modelId) noexcept;

    explicit DataCenter(const ProgramNumbering& numbering);
    ~DataCenter() override;

    virtual void Init(Host* host) = 0;
    virtual unsigned char* getEditBuf() const = 0;
    virtual void setEditBuf(unsigned char* record) = 0;
    virtual const unsigned char* getInitProgData() const = 0;
    virtual unsigned char* getGlobalBuf() const { return nullptr; }
    virtual const unsigned char* getInitGlobalData() const { return nullptr; }
    virtual unsigned char* getCustomBuf(int) const { return nullptr; }
    virtual void setCustomBuf(unsigned char*, int) {}
    virtual unsigned char* getAudioEQBuf(int) const { return nullptr; }
    virtual void setAudioEQBuf(unsigned char*, int) {}
    virtual juce::String getProgName(int number);
    virtual juce::String getCurProgName();
    virtual int GetMode() const;
    virtual int PutMode(int mode);
    virtual juce::String getFileName(int tab) = 0;
    virtual void setCurProgName(juce::String name) = 0;
    virtual void setFileName(int tab, juce::String name) = 0;
    virtual unsigned char* getROMProgPtr(int preset) const = 0;
    virtual unsigned char* getRAMProgPtr(int user) const = 0;
    virtual void setRAMProgram(int user, void* record) = 0;
    virtual unsigned char* getFileReadBuf() = 0;
    virtual unsigned char* getFileWriteBuf() = 0;
    // Program `index` of file tab `tab` in the file read buffer; null outside
    // the three tabs or a tab's programs.
    virtual unsigned char* getFileProgPtr(int tab, int index) const;
    virtual bool removeFileBuf(int tab);
    virtual void setCurProgNo(int number);
    virtual void setCurProgNo(int bank, int program);
    virtual void UpdateEditBuf(void* record) = 0;
    virtual void UpdateCustomBuf(void*, int) {}
    virtual void SaveModeProgData(int program, int kind, unsigned char mode);
    virtual void BackupEditBuf() = 0;
    virtual void RestoreEditBuf() = 0;
    virtual void BackupGlobalBuf() {}
    virtual void RestoreGlobalBuf() {}
    virtual void BackupCurAudioEQBuf() {}
    virtual void RestoreCurAudioEQBuf() {}

    const ProgramNumbering& getNumbering() const noexcept { return numbering; }

    // True for a program of a file tab that is open.
    bool isOpenFileProgram(int n) const noexcept { return numbering.isFile(n) && numbering.tabOf(n) < fileCount; }

    // Copies the record of program n (a preset, a user program or a program
    // of an open file tab, the last under the file-tab lock) into out, which
    // holds a record; false, with nothing copied, for any other number.
    bool copyProgramRecord(int n, unsigned char* out);

    // Current bank (1 user, 0 preset) and program within it.
    int getCurBank() const noexcept { return curBank; }
    int getCurProg() const noexcept { return curProg; }
    void setCurBank(int bank) noexcept { curBank = bank; }

    // Open file tabs, 0 to 3.
    int getFileCount() const noexcept { return fileCount; }
    void setFileCount(int count) noexcept { fileCount = juce::jlimit(0, ProgramNumbering::numTabs, count); }

    // Per file tab: bit k set when program k was changed since the tab was
    // opened or saved. Tabs outside 0-2 read as 0 and are not written.
    int getModifiedMask(int tab) const noexcept;
    void setModifiedMask(int tab, int mask) noexcept;

    // Set while the amplifier of this model is connected. Clearing it also
    // clears the synchronised flag.
    bool isConnected() const noexcept { return connected; }
    void setConnected(bool isConnectedNow) noexcept;

    // Raises the connection-status event of the model's program section.
    virtual void FireOnConnectStatusChanged(bool) {}

    // Set when a synchronisation has read all user programs; cleared when a
    // new one starts, when a program arrives outside it and on disconnect.
    bool isSynchronised() const noexcept { return synchronised; }
    void setSynchronised(bool b) noexcept { synchronised = b; }

    // The record saved when a mode message arrives during synchronisation.
    struct SavedMode
    {
        int program = 0;
        int kind = 0;
        unsigned char mode = 0;
    };
    SavedMode getSavedMode() const noexcept { return savedMode; }
    // True once, after a mode message was saved during the running chain; a
    // chain that read no mode (Receive All) finds it false.
    bool takeModeSavedThisChain() noexcept { return std::exchange(modeSavedThisChain, false); }

    // A receive chain (Receive All, a synchronisation) starts: what an earlier
    // chain left behind (the mode of a synchronisation cut off part-way) does
    // not steer this one, and the chain ends on the program current now.
    void beginReceiveChain() noexcept
    {
        modeSavedThisChain = false;
        programBeforeChain = iCurProgNo;
    }

    // Guards the file-tab program buffers (and, on the HMQ, the edit buffer
    // and the custom slots against the part copies of the custom pages).
    juce::ReadWriteLock& getFileTabLock() noexcept { return fileTabLock; }
    // Taken for writing while a program-file image is assembled in the write buffer.
    juce::ReadWriteLock& getWriteBufLock() noexcept { return writeBufLock; }

    // The current program in the connected model's number space.
    static int iCurProgNo;
    // The user program the next store or write targets.
    static int iUserDestProg;

protected:
    // The program current when the last receive chain began, taken once. When
    // it still exists it is returned, made the write target when it is a user
    // program, and the current number is cleared so that it is selected anew;
    // otherwise -1.
    int takeProgramBeforeChain();

    const ProgramNumbering& numbering;

    int curBank = 0;
    int curProg = 0;
    int fileCount = 0;
    std::atomic<bool> connected { false };
    int modifiedMask[ProgramNumbering::numTabs] = { 0, 0, 0 };
    juce::String progNameScratch;
    SavedMode savedMode;
    bool modeSavedThisChain = false;
    // The current program when a receive chain's first program arrived.
    int programBeforeChain = -1;
    std::atomic<bool> synchronised { false };
    juce::ReadWriteLock fileTabLock;
    juce::ReadWriteLock writeBufLock;

    JUCE_DECLARE_NON_COPYABLE(DataCenter)
};
