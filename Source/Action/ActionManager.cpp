// The command table: the registered commands, their information and what
// perform runs for each, with the activity rules of the tab commands.
#include "Action/ActionManager.h"
#include "Action/FileTabView.h"

#include "Action/FileCommandPrompts.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/RSApplicationBase.h"
#include "Common/DeviceEnvironment.h"
#include "Core/ProductModel.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Shell/MasterGuiManager.h"

namespace
{
void showAbout(ActionManager&, int)
{
    auto* host = Host::getInstance();
    if (auto* gui = host != nullptr ? host->getMasterGuiManager() : nullptr)
        gui->showAboutPage();
}

void showDeviceSelect(ActionManager&, int)
{
    auto* host = Host::getInstance();
    if (auto* gui = host != nullptr ? host->getMasterGuiManager() : nullptr)
        gui->showDeviceSelect();
}

void showBLEMidi(ActionManager&, int)
{
    auto* host = Host::getInstance();
    if (auto* gui = host != nullptr ? host->getMasterGuiManager() : nullptr)
        gui->showBLEMidiDeviceSelect();
}
} // namespace

// The registered commands come first, in registration order; the commands
// run only through perform (transmit and receive current, device select)
// follow. The Preferences and Check Update ids appear only in the menus.
// clang-format off
const ActionManager::Command ActionManager::commandTable[] = {
    { cmdFileNew, "New File...", "File", 'n', nullptr, true,
      [](ActionManager& a, int model) {
          juce::Logger::writeToLog("ActionManager::perform(cmdFileNew)");
          if (a.executeNewFile(model))
              a.afterNewFileUI(model);
      } },
    { cmdFileOpen, "Open File...", "File", 'o', nullptr, true,
      [](ActionManager& a, int model) {
          if (a.executeFileOpen(model) >= 1)
              a.afterFileOpenUI(model);
      } },
    { cmdFileLoadUser, "Load USER PROGRAMS From...", "File", 0, nullptr, true,
      [](ActionManager& a, int model) {
          if (a.executeFileLoadUser(model) >= 1)
              a.afterFileLoadUserUI(model);
      } },
    { cmdFileSaveUser, "Save USER PROGRAMS As...", "File", 's', nullptr, true,
      [](ActionManager& a, int model) { a.executeFileSaveUser(model); } },
    { cmdFileSaveFile, "Save File As...", "File", 't', nullptr, true,
      [](ActionManager& a, int model) {
          if (a.executeFileSaveFile(model))
              a.afterFileSaveUI(model);
      } },
    { cmdFileClose, "Close File", "File", 'w', nullptr, true,
      [](ActionManager& a, int model) { a.performFileClose(model); } },
    { cmdWriteProg, "Write Current Program...", "File", 'u', "Write Current Program", true,
      [](ActionManager& a, int model) { a.OpenWriteProgDialog(model); } },
    { cmdTxAllProg, "Transmit All Programs...", "File", 0, nullptr, true,
      [](ActionManager& a, int model) { a.executeTxProg(model, true, false, true); } },
    { cmdRxAllProg, "Receive All Programs...", "File", 0, nullptr, true,
      [](ActionManager& a, int model) { a.executeRxProg(model, true); } },
    { cmdQuit, "Quit", "File", 'q', "Quit...", true,
      [](ActionManager& a, int model) { a.performQuit(model); } },
    { cmdAbout, "About", "Option", 0, "Open About Dialog", true, showAbout },
    { cmdHelp, "Help", "Option", 0, "Open Help Browser", true,
      [](ActionManager& a, int) { a.OpenHelpBrowser(); } },
    { cmdBLEMidi, "Bluetooth MIDI", "Option", 0, "Bluetooth MIDI Setting...", true, showBLEMidi },
    { cmdTxCurProg, "Transmit Current Program...", "File", 0, nullptr, false,
      [](ActionManager& a, int model) { a.executeTxCurProg(model, false); } },
    { cmdRxCurProg, "Receive Current Program...", "File", 0, nullptr, false,
      [](ActionManager& a, int model) { a.executeRxCurProg(model); } },
    { cmdDeviceSelect, nullptr, nullptr, 0, nullptr, false, showDeviceSelect },
};
// clang-format on

juce::CriticalSection ActionManager::viewLock;

ActionManager::ActionManager() = default;

ActionManager::~ActionManager()
{
    stopAllTimers();
}

const ActionManager::Command* ActionManager::findCommand(int id)
{
    for (const auto& command : commandTable)
        if (command.id == id)
            return &command;
    return nullptr;
}

// The description of a per-model command: DWQ, HMQ and Orva KX texts; the
// Orva PW models get their own by the same pattern.
juce::String ActionManager::modelDescription(int id, int model)
{
    if (! isKnownModel(model))
        return {};

    const bool pw = isOrvaPWModel(model);
    const juce::String ext = model == kProductModelDWQ   ? "dwqprog"
                             : model == kProductModelHMQ ? "hmqprog"
                             : pw                        ? "opwprog"
                                                         : "okxprog";
    const juce::String dots = model == kProductModelHMQ ? "" : "...";
    const juce::String device = model == kProductModelDWQ ? "DW" : model == kProductModelHMQ ? "HMQ" : pw ? "Orva PW" : "Orva KX";

    switch (id)
    {
        case cmdFileOpen:
        case cmdFileLoadUser: return "Open ." + ext + " File" + dots;
        case cmdFileNew: return "Create ." + ext + " File" + dots;
        case cmdFileSaveUser:
        case cmdFileSaveFile: return "Save ." + ext + " File" + dots;
        case cmdFileClose: return "Close ." + ext + " File" + dots;
        case cmdTxAllProg:
        case cmdTxCurProg: return "Tx to " + device;
        case cmdRxAllProg:
        case cmdRxCurProg: return "Rx from " + device;
        default: return {};
    }
}

MidiManager* ActionManager::midiManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getMidiManager() : nullptr;
}

int ActionManager::currentModel() const
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getCurrentModelId() : -1;
}

void ActionManager::setConfirmation(Confirmation c)
{
    confirmation = std::move(c);
}

bool ActionManager::ask(const juce::String& title, const juce::String& text, const juce::String& ok, const juce::String& cancel)
{
    if (confirmation)
        return confirmation(title, text, ok, cancel);
    return juce::AlertWindow::showOkCancelBox(juce::MessageBoxIconType::WarningIcon, title, text, ok, cancel, nullptr, nullptr);
}

juce::ApplicationCommandTarget* ActionManager::getNextCommandTarget()
{
    return dynamic_cast<juce::ApplicationCommandTarget*>(juce::JUCEApplication::getInstance());
}

void ActionManager::getAllCommands(juce::Array<juce::CommandID>& commands)
{
    for (const auto& command : commandTable)
        if (command.registered)
            commands.add(command.id);
}

bool ActionManager::getLibrarianTabs(LibrarianTabs& tabs) const
{
    // The librarian's tab bar, as the model's view shows it.
    if (fileTabView == nullptr)
        return false;
    tabs.numTabs = fileTabView->getNumTabs();
    tabs.currentTab = fileTabView->getCurrentTabIndex();
    tabs.leadingTab = fileTabView->hasLeadingTab();
    return true;
}

bool ActionManager::isSaveFileActive(const LibrarianTabs& tabs)
{
    const int file = tabs.currentTab - (tabs.leadingTab ? 1 : 0);
    return file >= 0 && file <= 2;
}

bool ActionManager::isCloseFileActive(int model, const LibrarianTabs& tabs)
{
    if (isOrvaModel(model))
        return tabs.numTabs > 1 && tabs.currentTab >= 0 && tabs.currentTab <= 2;
    const int file = tabs.currentTab - 1;
    return file >= 0 && file <= 2;
}

int ActionManager::fileToClose(int model, const LibrarianTabs& tabs)
{
    const int n = tabs.numTabs, c = tabs.currentTab;
    if (isOrvaModel(model))
        return (c >= 0 && c < n && n >= 2) ? c : -1;
    // A tab index past the last tab names no file.
    return (c >= 1 && c < n) ? c - 1 : -1;
}

void ActionManager::getCommandInfo(juce::CommandID id, juce::ApplicationCommandInfo& result)
{
    const auto* command = findCommand(id);
    if (command == nullptr || command->name == nullptr)
        return;

    const int model = currentModel();
    result.setInfo(command->name,
                   command->description != nullptr ? juce::String(command->description) : modelDescription(id, model),
                   command->category, 0);
    if (command->key != 0)
        result.addDefaultKeypress(command->key, juce::ModifierKeys::commandModifier);

    switch (id)
    {
        case cmdFileSaveFile:
        {
            LibrarianTabs tabs;
            if (getLibrarianTabs(tabs))
                result.setActive(isSaveFileActive(tabs));
            break;
        }
        case cmdFileClose:
        {
            LibrarianTabs tabs;
            if (getLibrarianTabs(tabs))
                result.setActive(isCloseFileActive(model, tabs));
            break;
        }
        case cmdTxAllProg:
        case cmdRxAllProg:
        {
            auto* midi = midiManager();
            auto* environment = getCurrentDeviceEnvironment();
            auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
            if (dataCenter == nullptr)
                result.setActive(false); // no model: nothing to transfer
            else if (midi != nullptr && (midi->isBulkTransmit() || midi->isBulkReceive() || midi->isAudioEQBulkReceive()))
                result.setActive(false);
            else if (menuEnabled)
                result.setActive(dataCenter->isConnected());
            break;
        }
        case cmdWriteProg:
        case cmdTxCurProg:
        case cmdRxCurProg:
            // Write, transmit current and receive current need a model to act on.
            if (menuEnabled)
                result.setActive(true);
            break;
        default: break;
    }
}

bool ActionManager::perform(const InvocationInfo& info)
{
    const auto* command = findCommand(info.commandID);
    if (command == nullptr)
        return false;
    command->run(*this, currentModel());
    return true;
}

void ActionManager::performFileClose(int model)
{
    LibrarianTabs tabs;
    if (! getLibrarianTabs(tabs))
        return;
    const int file = fileToClose(model, tabs);
    if (file >= 0 && executeFileClose(model, file))
        afterFileCloseUI(model, tabs.currentTab);
}

void ActionManager::performQuit(int model)
{
    // A quit put off by a running transmission is carried out by timer 1.
    if (! executeQuit(model))
        return;
    if (auto* app = RSApplicationBase::getRSInstance())
        app->saveInstanceState();
    juce::JUCEApplicationBase::quit();
}
