#pragma once

#include "Action/ProgramFile.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace juce
{
class Component;
}
class DataCenter;
class MidiManager;
class FileCommandPrompts;
class FileTabView;
class ProgressView;

class WriteProgDialogComponent;

// The application's single command target and its sequencer. Every user
// action that is not a direct parameter edit arrives here as a numbered
// command (File and Option commands, run through the Host's command manager,
// the key mappings and the editor header's popup menu). Numbered one-shot timers carry out the steps
// that must wait a little or must not run inside their caller (connection
// set-up, delayed synchronisation and its time-out, the blank-program check,
// refreshes, the hand-over after a second launch). It also receives the
// notices the data centres and the scanner post to it, and answers quit.
// Message thread only, except that the data centres request and stop timers
// from the MIDI thread while holding the message-manager lock.
class ActionManager : public juce::ApplicationCommandTarget,
                      public juce::MessageListener,
                      public juce::MultiTimer
{
public:
    // Command ids. 0x109, 0x10A and 0x404 run through perform but are not
    // registered; 0x400 and 0x406 only appear in the menus.
    enum CommandId : int
    {
        cmdFileOpen = 0x100,
        cmdFileNew = 0x101,
        cmdFileLoadUser = 0x102,
        cmdFileSaveUser = 0x103,
        cmdFileSaveFile = 0x104,
        cmdFileClose = 0x105,
        cmdWriteProg = 0x106,
        cmdTxAllProg = 0x107,
        cmdRxAllProg = 0x108,
        cmdTxCurProg = 0x109,
        cmdRxCurProg = 0x10A,
        cmdQuit = 0x10B,
        cmdPreferences = 0x400,
        cmdAbout = 0x402,
        cmdHelp = 0x403,
        cmdDeviceSelect = 0x404,
        cmdBLEMidi = 0x405,
        cmdCheckUpdate = 0x406
    };

    // What the command layer needs of the librarian's tab bar: the number of
    // tabs, the current tab and whether a preset tab stands first (DWQ, HMQ).
    struct LibrarianTabs
    {
        int numTabs = 0;
        int currentTab = -1;
        bool leadingTab = false;
    };

    // Every confirmation goes through this one call: title, text, OK and
    // Cancel labels; true when the user chose OK. The default shows a modal
    // OK/Cancel alert with the warning icon.
    using Confirmation = std::function<bool(const juce::String& title, const juce::String& text, const juce::String& ok,
                                            const juce::String& cancel)>;
    void setConfirmation(Confirmation c);

    // ApplicationCommandTarget
    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands(juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo(juce::CommandID commandID, juce::ApplicationCommandInfo& result) override;
    bool perform(const InvocationInfo& info) override;

    void setMenuEnable(bool b) noexcept { menuEnabled = b; }
    bool isMenuEnabled() const noexcept { return menuEnabled; }
    void setWriteProgDialogComponent(WriteProgDialogComponent* d) noexcept { writeProgDialog = d; }

    // The activity rules of the tab commands and the file index that Close
    // File closes (-1: none), for a model and the librarian's tab state.
    static bool isSaveFileActive(const LibrarianTabs& tabs);
    static bool isCloseFileActive(int model, const LibrarianTabs& tabs);
    static int fileToClose(int model, const LibrarianTabs& tabs);

    // Transfers, run by the commands (Tx/Rx all and current), the write
    // dialog, the progress dialog, help.
    void executeTxProg(int model, bool confirm, bool unused, bool all);
    void executeRxProg(int model, bool all);
    bool executeTxCurProg(int model, bool noConfirm);
    void executeRxCurProg(int model);
    void OpenWriteProgDialog(int model);
    void OpenProgressBarDialog(juce::String text, int value);
    void CloseProgressBarDialog();
    void OpenHelpBrowser();

    // The progress bar's range for a model (empty for no model), the write
    // dialog's item for a destination program, the manual's file name for a
    // model and language (empty for no model), and the folder of the manuals.
    static juce::Range<int> getProgressRange(int model);
    static int getWriteProgItemId(int model, int userDestProg);
    static juce::String getManualFileName(int model, bool japanese);
    static juce::File getManualFolder();

    // True while a transfer chain runs (transmit all, receive all or a
    // synchronisation): no other transfer may start then.
    static bool isTransferRunning();

    // Timer ids. The named ones appear under these names in the log.
    enum TimerId : int
    {
        timerStatusRefresh = 1,
        timerMainRefresh = 2,
        timerPresetRefresh = 4,
        eREQID_DISCONNECT_STARTUP = 5,
        eREQID_DELAYED_SYNCRONIZE = 8,
        timerReceiveChainEnd = 10,
        eREQID_BLANKPROG_CHECK = 11,
        eREQID_MODEREQUEST_TIMEOUT = 13,
        timerAnotherInstance = 14
    };

    ActionManager();
    ~ActionManager() override;

    // Starts timer id to fire once after ms milliseconds; a running timer is
    // restarted with the new delay. cmd is carried for callers and unused.
    // Timers are started through this call only (stopping and querying use
    // the framework's MultiTimer calls).
    void setTimerEventReq(int id, int ms, int cmd);

    // Stops every timer (the owner calls this before deleting).
    void stopAllTimers();

    void timerCallback(int timerID) override;
    void handleMessage(const juce::Message& message) override;

    // Quitting needs nothing from the command layer: the backups and
    // preferences are saved at shutdown. Agrees, except while a transmit-all
    // writes the amplifier's programs: the quit is then remembered and the
    // status refresh that ends the transmission (timer 1) carries it out.
    // The wait ends too when the amplifier has answered nothing for
    // quitWaitSilenceMs: a transmission it no longer answers never ends.
    bool executeQuit(int model);
    static constexpr int quitWaitSilenceMs = 3000;

    // Set when a quit waits for a running transmission; timer 1 then quits.
    void setQuitRequested(bool b) noexcept { quitRequested = b; }
    bool isQuitRequested() const noexcept { return quitRequested; }

private:
    // One row of the command table: the id, the menu name, the category, the
    // key pressed with the command modifier (0: none), the description (null:
    // the model's own text, see modelDescription), whether the command is
    // registered with the command manager, and what perform runs. A row
    // without a name has no command info.
    struct Command
    {
        CommandId id;
        const char* name;
        const char* category;
        char key;
        const char* description;
        bool registered;
        void (*run)(ActionManager& actions, int model);
    };
    static const Command commandTable[];
    static const Command* findCommand(int id);
    static juce::String modelDescription(int id, int model);
    static MidiManager* midiManager();

    int currentModel() const;
    bool getLibrarianTabs(LibrarianTabs& tabs) const;
    void performFileClose(int model);
    void performQuit(int model);
    bool ask(const juce::String& title, const juce::String& text, const juce::String& ok, const juce::String& cancel);

    WriteProgDialogComponent* writeProgDialog = nullptr;
    bool menuEnabled = false;
    Confirmation confirmation;

private:
    // The actions of the timers that need the connection manager and the
    // data centres.
    void runStatusRefresh();
    void runPostConnectSetup();
    void runDelayedSynchronize();
    void runBlankProgramCheck();
    void runModeRequestTimeout();

    void refreshMainComponent();
    void followClosedTab(int model, DataCenter& dataCenter, int tab);

    // When each requested timer is due (millisecond counter). The framework's
    // timer thread counts the time since its last wake-up against a timer
    // started in between, so a restarted timer can fire up to 100 ms early;
    // an early firing is re-armed for the rest of the delay.
    std::map<int, juce::uint32> dueTimes;
    bool quitRequested = false;
    // Whether a quit still waits for the transmission: while one runs and
    // the amplifier's last answer (the transfer counter's last step) is
    // recent.
    bool quitMustWait();
    int quitWaitProgress = -1;
    juce::uint32 quitWaitProgressAt = 0;

    // ------------------------------------------------------------------
    // Program files and file tabs. Every operation works on the data centre
    // of the Host's current device environment and does nothing without one
    // (or for a model id other than the environment's model class).
    // `model` is an eProductModelId (0-5).
public:
    // New, open, save as, close (file tab 0-2, in opening order).
    bool executeNewFile(int model);
    void afterNewFileUI(int model);
    int executeFileOpen(int model);                            // programs read, -1 for none
    int executeFileOpenSub(int model, const juce::File& file); // the tab reader
    void afterFileOpenUI(int model);
    bool executeFileSaveFile(int model);                                            // "Save File As..." of the current tab
    bool executeFileSaveSubStream(int model, juce::FileOutputStream* out, int tab); // the tab writer
    void afterFileSaveUI(int model);
    bool executeFileClose(int model, int tab);
    void afterFileCloseUI(int model, int tabIndex);

    // The amplifier's eight user programs from and to a file.
    int executeFileLoadUser(int model);
    int executeFileLoadUserSub(int model, const juce::File& file);
    void afterFileLoadUserUI(int model);
    void executeFileSaveUser(int model);
    bool executeFileSaveUserSubStream(int model, juce::FileOutputStream* out);

    static void messageBoxCallback(int, int) {}

    // Reopens the tabs open at the last quit from their backup copies.
    bool fileShouldOpen_restore(juce::Component* mainComponent);
    // Opens the program files of the Host's command-line slots as tabs.
    bool fileShouldOpen_commandline(juce::Component* mainComponent, bool fromUI);
    // Opens files dropped on the editor-librarian view as tabs.
    void filesDropped_delegate(const juce::StringArray& files, int x, int y);
    // At quit: a backup copy of each open tab beside the preferences file,
    // and the tabs' names, modified flags and current tab in the preferences.
    bool executeTabFileBackup();

    // The folder of the tab backups ("TABFile1.okxprog" and so on): the
    // preferences file's folder.
    static juce::File getTabBackupFolder();

    // The model's editor-librarian view registers itself here (null when it
    // goes away). All calls of the file commands into the tab UI go through it.
    void setFileTabView(FileTabView* view) noexcept { fileTabView = view; }
    FileTabView* getFileTabView() const noexcept { return fileTabView; }

    // The file dialogs and alert boxes (native ones unless replaced).
    void setFileCommandPrompts(std::unique_ptr<FileCommandPrompts> prompts);

    // Held around every program-file write.
    juce::CriticalSection& getFileSaveLock() noexcept { return fileSaveLock; }

    // The main window's content registers itself here (null when it goes
    // away): the progress dialog, the status refresh and bringing the window
    // to the front go through it.
    void setProgressView(ProgressView* view) noexcept { progressView = view; }
    ProgressView* getProgressView() const noexcept { return progressView; }

    // Held while the main window replaces its view, while the command-line
    // files are opened as tabs and while the blank-program check looks at the
    // tab count (the main component's m_MainComponentCriticalSection).
    static juce::CriticalSection viewLock;

private:
    static constexpr int maxTabs = 3;
    static constexpr const char* okButton = "  OK  ";
    static constexpr const char* tooManyFiles = "Can't open more than 3 files.";

    struct FileContext
    {
        DataCenter* dataCenter = nullptr;
        const ProgramFile::Format* format = nullptr;
        int model = -1; // the environment's model
    };
    static int leadingTab(const FileTabView* view);
    static void logRefusal(const juce::String& operation, ProgramFile::ReadError error, const juce::File& file,
                           const ProgramFile::Format& format);
    bool getFileContext(int model, FileContext& context) const;
    FileCommandPrompts& prompts();
    bool showFileTab(DataCenter& dataCenter, int fileTab, const juce::String& title);
    void copyIntoTab(DataCenter& dataCenter, int fileTab, const std::vector<unsigned char>& records, const juce::String& name);
    bool saveChosenFile(int model, const juce::String& dialogTitle, const juce::String& errorTitle, int tab);
    // Asks for a file to open and reads it with `read` (-1 when none is
    // chosen); the user program buttons take the focus back either way.
    int openChosenFile(int model, const juce::String& dialogTitle, const juce::String& pattern,
                       int (ActionManager::*read)(int, const juce::File&));
    void bringMainWindowToFront();

    FileTabView* fileTabView = nullptr;
    ProgressView* progressView = nullptr;
    std::unique_ptr<FileCommandPrompts> filePrompts;
    juce::CriticalSection fileSaveLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(ActionManager)
};
