#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class StateHolder;
class MasterGuiController;
class MasterGuiManager;
class MasterConnectionManager;
class ActionManager;
class MenuBarManager;
class MidiManager;
class PreferencesData;
class PreferencesDataChangeBroadcaster;
class DeviceEnvironment;
class DeviceInfo;
class CAudioEQManager;

// The one application-wide object and service locator: it builds and owns the
// managers, starts the first device scan and makes the connection decisions.
// Everything here runs on the message thread.
class Host : public juce::MessageListener,
             public juce::ChangeListener
{
public:
    static Host* createInstance();
    static Host* getInstance() noexcept { return instance; }
    static void destroyInstance();

    void run();

    void handleMessage(const juce::Message& message) override;
    void changeListenerCallback(juce::ChangeBroadcaster*) override {}

    void handleDeviceScanFinishedMessage();
    void onBootWithoutFileAutoSetting();
    bool onBootWithFile();
    bool onBootWithDelayedFile();
    void handleAnotherInstanceFinishedMessage();
    void handleChangeDeviceEnvironmentMessage(DeviceInfo* info);
    void changeDeviceEnvironment(const DeviceInfo& info);
    void afterChangingDeviceEnvironment(const DeviceInfo& info);

    // Accessors; each may return null when the manager does not exist (yet).
    MasterGuiManager* getMasterGuiManager() const noexcept { return masterGuiManager; }
    MasterConnectionManager* getMasterConnectionManager() const noexcept { return connectionManager; }
    juce::ApplicationCommandManager* getCommandManager() const noexcept { return commandManager; }
    MenuBarManager* getMenuBarManager() const noexcept { return menuBarManager; }
    ActionManager* getActionManager() const noexcept { return actionManager; }
    StateHolder* getStateHolder() const noexcept { return stateHolder; }
    MasterGuiController* getMasterGuiController() const noexcept { return guiController; }
    MidiManager* getMidiManager() const noexcept { return midiManager; }
    juce::ChangeBroadcaster* getChangeBroadcaster() const noexcept { return changeBroadcaster; }
    PreferencesData* getPreferencesData() const noexcept { return preferences; }
    PreferencesDataChangeBroadcaster* getPreferencesDataChangeBroadcaster() const noexcept { return preferencesBroadcaster; }
    DeviceEnvironment* getDeviceEnvironment() const noexcept { return deviceEnvironment; }
    CAudioEQManager* getAudioEQManager() const noexcept { return audioEQManager; }
    void setAudioEQManager(CAudioEQManager* manager) noexcept { audioEQManager = manager; }

    // The model id of the open device environment, -1 when there is none.
    int getCurrentModelId() const;

    bool isBooting() const noexcept { return bootFlag; }
    void setBootFlag(bool flag) noexcept { bootFlag = flag; }
    bool isResyncPending() const noexcept { return resyncPending; }
    void setResyncPending(bool flag) noexcept { resyncPending = flag; }

    // Command-line file slots 0..2 (filled by the application's command-line
    // parsing) and the file-tab restore slots.
    static constexpr int numFileSlots = 3;
    juce::File& commandLineFile(int slot) { return commandLineFiles[(size_t) juce::jlimit(0, numFileSlots - 1, slot)]; }
    juce::File& restoreFile(int slot) { return restoreFiles[(size_t) juce::jlimit(0, numFileSlots - 1, slot)]; }
    bool hasCommandLineFile() const;

private:
    Host();
    ~Host() override;

    static Host* instance;
    bool isDeviceConnected() const;

    MasterGuiManager* masterGuiManager = nullptr;
    MasterConnectionManager* connectionManager = nullptr;
    juce::ApplicationCommandManager* commandManager = nullptr;
    MenuBarManager* menuBarManager = nullptr;
    ActionManager* actionManager = nullptr;
    StateHolder* stateHolder = nullptr;
    MasterGuiController* guiController = nullptr;
    MidiManager* midiManager = nullptr;
    juce::ChangeBroadcaster* changeBroadcaster = nullptr;
    PreferencesData* preferences = nullptr;
    PreferencesDataChangeBroadcaster* preferencesBroadcaster = nullptr;
    DeviceEnvironment* deviceEnvironment = nullptr;
    CAudioEQManager* audioEQManager = nullptr;
    bool bootFlag = true;
    bool resyncPending = false;
    std::array<juce::File, numFileSlots> restoreFiles;
    std::array<juce::File, numFileSlots> commandLineFiles;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(Host)
};

// Host's device environment, or null when there is no Host or none is open.
DeviceEnvironment* getCurrentDeviceEnvironment();
