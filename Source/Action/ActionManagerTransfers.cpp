// Transfers (transmit and receive, all programs or the current one), the
// write and progress dialogs, and help.
#include "Action/ActionManager.h"

#include "Action/MidiManager.h"
#include "Action/ProgressView.h"
#include "Action/ReentrancyGuard.h"
#include "Application/CurrentLanguageModel.h"
#include "Application/Host.h"
#include "Application/PlatformInitializer.h"
#include "Common/DeviceEnvironment.h"
#include "Core/ProductModel.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/WriteProgDialogComponent.h"

namespace
{
bool txProgRunning = false;
bool rxProgRunning = false;
bool txCurProgRunning = false;
bool rxCurProgRunning = false;
} // namespace

bool ActionManager::isTransferRunning()
{
    auto* midi = midiManager();
    return midi != nullptr
           && (midi->isBulkTransmit() || midi->isBulkReceive() || midi->isSyncRunning() || midi->isAudioEQBulkReceive()
               || midi->isCustomBulkReceive());
}

juce::Range<int> ActionManager::getProgressRange(int model)
{
    if (model == kProductModelDWQ)
        return { 0, 19 };
    if (model == kProductModelHMQ)
        return { 0, 68 };
    if (isOrvaModel(model))
        return { 0, 8 };
    return {};
}

int ActionManager::getWriteProgItemId(int model, int userDestProg)
{
    if (model == kProductModelDWQ)
        return userDestProg - 10;
    if (model == kProductModelHMQ)
        return userDestProg - 59;
    return userDestProg + 1;
}

juce::String ActionManager::getManualFileName(int model, bool japanese)
{
    const juce::String language = japanese ? "J" : "E";
    switch (model)
    {
        case kProductModelDWQ: return "RigSmith_UM_1.2.0_DW_" + language + ".pdf";
        case kProductModelHMQ: return "RigSmith_UM_1.2.0_HMQ_" + language + ".PDF";
        case kProductModelOKX:
        case kProductModelOKXlyn: return "RigSmith_UM_1.2.0_OrvaKX_" + language + ".pdf";
        case kProductModelOPW:
        case kProductModelOPWlyn: return "RigSmith_UM_1.2.0_OrvaPW_" + language + ".pdf";
        default: return {};
    }
}

juce::File ActionManager::getManualFolder()
{
#if JUCE_MAC
    // The folder that contains the application bundle.
    return juce::File::getSpecialLocation(juce::File::currentApplicationFile).getParentDirectory();
#else
    // Elsewhere the resources, manuals included, lie next to the executable.
    // Its path is read from the system, absolute: the one the program was
    // started by may be relative, and the file commands move the current
    // folder.
    return juce::File::getSpecialLocation(juce::File::hostApplicationPath).getParentDirectory().getChildFile("Resources");
#endif
}

void ActionManager::executeTxProg(int model, bool confirm, bool unused, bool all)
{
    juce::ignoreUnused(unused, all);
    ReentrancyGuard guard(txProgRunning);
    if (! guard.entered || ! isKnownModel(model))
        return;

    if (confirm && ! ask("Transmit:", "This command will overwrite 8 programs of your DWQR. \nAre you sure?", " OK ", "Cancel"))
        return;

    auto* midi = midiManager();
    if (midi == nullptr || ! midi->isMIDIOutPortOpen())
        return;
    // One chain at a time: a second would interleave its messages and flags
    // with the running one.
    if (isTransferRunning())
    {
        juce::Logger::writeToLog("ActionManager::executeTxProg() refused: a transfer is running");
        return;
    }

    const int first = model == kProductModelDWQ ? 11 : model == kProductModelHMQ ? 60 : 0;
    midi->setSequenceCounter(first);
    OpenProgressBarDialog("TRANSMIT...", first);
    midi->setBulkTransmit(true);
    midi->sendProgDumpOut(first);
}

void ActionManager::executeRxProg(int model, bool all)
{
    juce::ignoreUnused(all);
    ReentrancyGuard guard(rxProgRunning);
    if (! guard.entered || ! isKnownModel(model))
        return;

    if (! ask("Receive:", "This command will overwrite current list. \nAre you sure?", "  OK  ", "Cancel"))
        return;

    // The Orva models receive their programs through the synchronisation.
    if (model != kProductModelDWQ && model != kProductModelHMQ)
        return;

    auto* midi = midiManager();
    if (midi == nullptr || ! midi->isMIDIOutPortOpen())
        return;
    if (isTransferRunning())
    {
        juce::Logger::writeToLog("ActionManager::executeRxProg() refused: a transfer is running");
        return;
    }

    midi->setSequenceCounter(model == kProductModelDWQ ? 11 : 60);
    OpenProgressBarDialog("RECEIVED...", 0);
    midi->setSyncRunning(true);
    midi->setBulkReceive(true);
    midi->setSynchronised(false);
    if (auto* environment = getCurrentDeviceEnvironment())
        if (auto* dataCenter = environment->getDataCenter())
        {
            dataCenter->setSynchronised(false);
            dataCenter->beginReceiveChain();
        }
    midi->sendProgDumpRequest(1, 0);
}

bool ActionManager::executeTxCurProg(int model, bool noConfirm)
{
    ReentrancyGuard guard(txCurProgRunning);
    if (! guard.entered || ! isKnownModel(model))
        return false;

    if (! noConfirm
        && ! ask("Transmit:", "This command will overwrite current program of your DWQ R. \nAre you sure?", " OK ", "Cancel"))
        return false;

    // The destination is numbered as in the data centre (DWQ users from 11,
    // HMQ users from 60); the amplifier counts its user slots from 0.
    const int slot = DataCenter::iUserDestProg - (model == kProductModelDWQ ? 11 : model == kProductModelHMQ ? 60 : 0);
    auto* midi = midiManager();
    if (midi == nullptr || isTransferRunning() || slot < 0 || slot > 7)
        return false;
    midi->sendCurProgWrite(slot);
    return true;
}

void ActionManager::executeRxCurProg(int model)
{
    ReentrancyGuard guard(rxCurProgRunning);
    if (! guard.entered || ! isKnownModel(model))
        return;

    if (! ask("Receive:", "This command will overwrite current list. \nAre you sure?", "  OK  ", "Cancel"))
        return;

    auto* midi = midiManager();
    if (midi == nullptr || isTransferRunning())
        return;
    midi->sendCurProgDumpRequest();
}

void ActionManager::OpenWriteProgDialog(int model)
{
    if (writeProgDialog == nullptr || ! isKnownModel(model))
        return;

    // The dialog takes the model, preselects the current destination
    // (getWriteProgItemId: items 1 to 8 for the user slots), is sized
    // 350 x 152 and centred, and is shown modal with the focus on its OK
    // button.
    writeProgDialog->open(model, getWriteProgItemId(model, DataCenter::iUserDestProg));
}

void ActionManager::OpenProgressBarDialog(juce::String text, int value)
{
    const int model = currentModel();
    if (progressView == nullptr || model < 0)
        return;

    // The write dialog is modal too: left open it would wait behind the
    // progress and still be there after the transfer.
    if (writeProgDialog != nullptr && writeProgDialog->isVisible())
        writeProgDialog->cancelButtonPressed();
    progressView->openProgress(getProgressRange(model), text, value);
}

void ActionManager::CloseProgressBarDialog()
{
    if (progressView != nullptr)
        progressView->closeProgress();
}

void ActionManager::OpenHelpBrowser()
{
    const int model = currentModel();
    const bool japanese = CurrentLanguageModel::getInstance()->isJapanese();
    const auto folder = getManualFolder().getFullPathName() + juce::File::getSeparatorString();
    launch_file(folder + getManualFileName(model, japanese));
}
