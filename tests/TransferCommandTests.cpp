// The transfer commands against a simulated amplifier, booted as the
// application boots: transmit-all and receive-all end to end with their
// confirmations and progress dialog, transmit and receive of the current
// program, one transfer at a time, no re-entry while a confirmation is open,
// a quit put off until a transmission ends (timer 1), and the manual that
// Help opens per model and language.
#include "Application/CurrentLanguageModel.h"
#include "Application/StateHolder.h"
#include "Core/DeviceInfo.h"
#include "GUI/DWQ/CDWQEditorLibrarianComponent.h"
#include "GUI/DWQ/DWQLibROMComponent.h"
#include "GUI/DWQ/DWQLibROMSubTab.h"
#include "GUI/Editor/RSPresetProgButton.h"
#include "GUI/Editor/WriteProgDialogComponent.h"
#include "GUI/HMQ/CHMQEditorLibrarianComponent.h"
#include "GUI/HMQ/HMQLibROMBankComponent.h"
#include "GUI/HMQ/HMQLibROMBankSubTab.h"
#include "GUI/HMQ/HMQLibROMSubTab.h"
#include "GUI/HMQ/HMQPresetProgButton.h"
#include "GUI/Shell/CProgressBarDialogComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "Platform/DocumentOpener.h"
#include "support/BootedHostFixture.h"

#include <functional>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
using Invocation = juce::ApplicationCommandTarget::InvocationInfo;

struct Question
{
    juce::String title, text, ok, cancel;
};

// Stands in for the application object: records the quit requests.
struct QuitRecorder : juce::JUCEApplication
{
    const juce::String getApplicationName() override { return "test"; }
    const juce::String getApplicationVersion() override { return "0"; }
    void initialise(const juce::String&) override {}
    void shutdown() override {}
    void systemRequestedQuit() override
    {
        ++quitRequests;
        if (transferRunning != nullptr && transferRunning())
            ++quitRequestsDuringTransfer;
    }
    int quitRequests = 0;
    // Those made while transferRunning held.
    int quitRequestsDuringTransfer = 0;
    std::function<bool()> transferRunning;
};

struct TransferFixture : testing_support::BootedHostFixture
{
    // Boots as the application does, main window included, and answers the
    // confirmations.
    DataCenter* boot()
    {
        host = Host::createInstance();
        host->run();
        EXPECT_TRUE(pumpUntil([this] { return currentDataCenter() != nullptr && currentDataCenter()->isConnected(); },
                              testing_support::patienceMs));
        auto* midi = host->getMidiManager();
        // Until the synchronisation the connection asked for has run, and
        // the refreshes its end started: a chain or a refresh that ends later
        // changes the pages under the test's feet.
        EXPECT_TRUE(pumpUntil([midi, this] {
            return midi->isSynchronised() && ! midi->isSyncRunning()
                   && ! host->getActionManager()->isTimerRunning(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        }));
        EXPECT_TRUE(settleRefreshes());
        actions = host->getActionManager();
        actions->setConfirmation(
            [this](const juce::String& t, const juce::String& x, const juce::String& o, const juce::String& c) {
                questions.push_back({ t, x, o, c });
                if (onQuestion)
                    onQuestion();
                return answer;
            });
        main = host->getMasterGuiManager()->getMainWindow()->getMainComponent();
        return currentDataCenter();
    }

    bool perform(int id) { return actions->perform(Invocation(id)); }

    ActionManager* actions = nullptr;
    MainComponent* main = nullptr;
    std::vector<Question> questions;
    std::function<void()> onQuestion;
    bool answer = true;
};
} // namespace

TEST_F(TransferFixture, TransmitAllOnTheHMQWithProgressAndADeferredQuit)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    auto* midi = host->getMidiManager();
    for (int i = 0; i < 8; ++i)
    {
        Bytes record(62, (juce::uint8)(0x20 + i));
        dc->setRAMProgram(i, record.data());
    }

    // Cancel sends nothing.
    answer = false;
    amp.clearRecords();
    perform(ActionManager::cmdTxAllProg);
    pumpFor(50);
    EXPECT_EQ(amp.getNumReceived(), 0);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].title, "Transmit:");
    EXPECT_EQ(questions[0].text, "This command will overwrite 8 programs of your DWQR. \nAre you sure?");
    EXPECT_EQ(questions[0].ok, " OK ");
    EXPECT_EQ(questions[0].cancel, "Cancel");

    answer = true;
    QuitRecorder app;
    perform(ActionManager::cmdTxAllProg);
    // The chain has started and waits for the acknowledgements.
    EXPECT_TRUE(midi->isBulkTransmit());
    EXPECT_EQ(midi->getSequenceCounter(), 60);
    EXPECT_TRUE(main->isProgressBarDialogShowing());
    EXPECT_EQ(main->getProgressText(), "TRANSMIT...");
    EXPECT_EQ(main->getProgressValue(), 60);
    EXPECT_EQ(main->getProgressRange(), juce::Range<int>(0, 68));

    // A second transfer is refused while this one runs; a quit waits.
    perform(ActionManager::cmdRxAllProg);
    EXPECT_FALSE(actions->executeQuit(1));
    EXPECT_TRUE(actions->isQuitRequested());

    ASSERT_TRUE(pumpUntil([midi] { return ! midi->isBulkTransmit(); }, testing_support::patienceMs));
    EXPECT_FALSE(main->isProgressBarDialogShowing());
    ASSERT_TRUE(pumpUntil([&app] { return app.quitRequests == 1; })); // timer 1
    EXPECT_TRUE(actions->executeQuit(1));

    ASSERT_EQ(amp.getNumReceived(), 8); // program dumps only: no receive request
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(amp.getUserProgram(i), Bytes(62, (juce::uint8)(0x20 + i))) << i;
}

TEST_F(TransferFixture, AWaitingQuitIsShownAndGivenUpByCancelByTheAmplifierAndByADisconnect)
{
    SimulatedAmplifier amp(ports, 1);
    ASSERT_NE(boot(), nullptr);
    auto* midi = host->getMidiManager();
    auto* dialog = main->getProgressBarDialog();
    ASSERT_NE(dialog, nullptr);
    QuitRecorder app;
    amp.setReplyDelayMs(150); // the transmission runs while the test acts

    auto statusRefreshQuitsNothing = [&] {
        actions->setTimerEventReq(ActionManager::timerStatusRefresh, 1, 0);
        pumpUntil([&] { return ! actions->isTimerRunning(ActionManager::timerStatusRefresh); });
        pumpFor(20);
        EXPECT_EQ(app.quitRequests, 0);
    };

    // The dialog says that the quit waits.
    EXPECT_EQ(actions->getProgressView(), static_cast<ProgressView*>(main));
    perform(ActionManager::cmdTxAllProg);
    ASSERT_TRUE(midi->isBulkTransmit());
    EXPECT_FALSE(dialog->isQuitWaiting());
    EXPECT_FALSE(actions->executeQuit(1));
    EXPECT_TRUE(dialog->isQuitWaiting());
    testing_support::saveScreenshot(*main, "progress-dialog-quit-waiting");

    // Cancel gives the quit up with the transfer.
    dialog->getCancelButton().triggerClick();
    ASSERT_TRUE(pumpUntil([&] { return ! main->isProgressBarDialogShowing(); }));
    EXPECT_FALSE(actions->isQuitRequested());
    EXPECT_FALSE(dialog->isQuitWaiting());
    statusRefreshQuitsNothing();
    pumpFor(300); // the acknowledgement on its way arrives and is ignored

    // So does the amplifier stopping the transmission: the next, unrelated
    // transmission ends without quitting.
    perform(ActionManager::cmdTxAllProg);
    ASSERT_TRUE(midi->isBulkTransmit());
    EXPECT_FALSE(actions->executeQuit(1));
    amp.sendTransferStopped();
    ASSERT_TRUE(pumpUntil([&] { return ! midi->isBulkTransmit(); }));
    EXPECT_FALSE(actions->isQuitRequested());
    EXPECT_FALSE(main->isProgressBarDialogShowing());
    EXPECT_FALSE(dialog->isQuitWaiting());
    pumpFor(300);
    perform(ActionManager::cmdTxAllProg);
    ASSERT_TRUE(midi->isBulkTransmit());
    ASSERT_TRUE(pumpUntil([&] { return ! midi->isBulkTransmit(); }));
    pumpFor(400); // past the status refresh of its end
    EXPECT_EQ(app.quitRequests, 0);

    // So does a disconnect in the middle of a transmission.
    perform(ActionManager::cmdTxAllProg);
    ASSERT_TRUE(midi->isBulkTransmit());
    EXPECT_FALSE(actions->executeQuit(1));
    EXPECT_TRUE(dialog->isQuitWaiting());
    host->getMasterConnectionManager()->disconnect();
    EXPECT_FALSE(actions->isQuitRequested());
    EXPECT_FALSE(main->isProgressBarDialogShowing());
    EXPECT_FALSE(dialog->isQuitWaiting());
    statusRefreshQuitsNothing();
}

TEST_F(TransferFixture, AWaitingQuitOutlastsASlowAmplifierAndEndsWhenItStopsAnswering)
{
    SimulatedAmplifier amp(ports, 1);
    ASSERT_NE(boot(), nullptr);
    auto* midi = host->getMidiManager();
    QuitRecorder app;
    constexpr auto silence = (juce::uint32) ActionManager::quitWaitSilenceMs;

    // Answers that come slowly, the whole transmission longer than the
    // silence a quit waits out: the quit waits for its end.
    amp.setReplyDelayMs((int) silence / 5);
    const auto started = juce::Time::getMillisecondCounter();
    // The end of the transmission and the quit it lets through can come in
    // one turn of the message loop: what counts is that no quit came while
    // it ran.
    app.transferRunning = [midi] { return midi->isBulkTransmit(); };
    perform(ActionManager::cmdTxAllProg);
    ASSERT_TRUE(midi->isBulkTransmit());
    EXPECT_FALSE(actions->executeQuit(1));
    ASSERT_TRUE(pumpUntil([&] { return ! midi->isBulkTransmit() || app.quitRequests > 0; }, testing_support::patienceMs));
    EXPECT_FALSE(midi->isBulkTransmit());
    EXPECT_EQ(app.quitRequestsDuringTransfer, 0);
    EXPECT_GT(juce::Time::getMillisecondCounter() - started, silence);
    ASSERT_TRUE(pumpUntil([&] { return app.quitRequests == 1; }));
    EXPECT_TRUE(actions->executeQuit(1));

    // An amplifier that stops answering in the middle: the quit goes ahead
    // once it has been silent for that long.
    amp.setReplyDelayMs(300);
    perform(ActionManager::cmdTxAllProg);
    ASSERT_TRUE(pumpUntil([&] { return midi->getSequenceCounter() >= 62; }));
    amp.setSilent(true);
    EXPECT_FALSE(actions->executeQuit(1));
    const auto asked = juce::Time::getMillisecondCounter();
    ASSERT_TRUE(pumpUntil([&] { return app.quitRequests == 2; }, (int) silence + 5000));
    EXPECT_GE(juce::Time::getMillisecondCounter() - asked, silence - 100);
    EXPECT_TRUE(midi->isBulkTransmit());
    EXPECT_TRUE(actions->executeQuit(1));
    EXPECT_FALSE(actions->isQuitRequested());
}

TEST_F(TransferFixture, ReceiveAllOnTheDWQ)
{
    SimulatedAmplifier amp(ports, 0);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    auto* midi = host->getMidiManager();
    for (int i = 0; i < 8; ++i)
        amp.setUserProgram(i, Bytes(30, (juce::uint8)(0x40 + i)));

    amp.clearRecords();
    perform(ActionManager::cmdRxAllProg);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].title, "Receive:");
    EXPECT_EQ(questions[0].text, "This command will overwrite current list. \nAre you sure?");
    EXPECT_EQ(questions[0].ok, "  OK  ");
    EXPECT_TRUE(main->isProgressBarDialogShowing());
    EXPECT_EQ(main->getProgressText(), "RECEIVED...");
    EXPECT_EQ(main->getProgressValue(), 0);
    EXPECT_EQ(main->getProgressRange(), juce::Range<int>(0, 19));
    // Nothing quits the application during a receive.
    EXPECT_TRUE(actions->executeQuit(0));

    ASSERT_TRUE(pumpUntil([&] { return midi->isSynchronised() && ! midi->isBulkReceive(); }, testing_support::patienceMs));
    pumpFor(50);
    EXPECT_FALSE(main->isProgressBarDialogShowing());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bytes(dc->getRAMProgPtr(i), 30), amp.getUserProgram(i)) << i;
}

TEST_F(TransferFixture, ReceiveAllEndsOnTheProgramTheAmplifierPlays)
{
    // The amplifier moved from user program 0 (at connection) to 5; Receive
    // All reads no mode, so the current program and the write target stay 5.
    for (const auto& [model, firstUser] : { std::pair { 0, 11 }, std::pair { 1, 60 } })
    {
        SCOPED_TRACE(model);
        {
            SimulatedAmplifier amp(ports, model);
            ASSERT_NE(boot(), nullptr);
            auto* midi = host->getMidiManager();
            EXPECT_EQ(DataCenter::iCurProgNo, firstUser);

            amp.sendModeChange(SimulatedAmplifier::modeUser, 5);
            ASSERT_TRUE(pumpUntil([&] { return DataCenter::iCurProgNo == firstUser + 5; }));
            EXPECT_EQ(DataCenter::iUserDestProg, firstUser + 5);

            perform(ActionManager::cmdRxAllProg);
            ASSERT_TRUE(pumpUntil(
                [&] {
                    return midi->isSynchronised() && ! midi->isBulkReceive() && ! midi->isSyncRunning()
                           && ! midi->isCustomBulkReceive();
                },
                3000));
            pumpFor(100);
            EXPECT_EQ(DataCenter::iCurProgNo, firstUser + 5);
            EXPECT_EQ(DataCenter::iUserDestProg, firstUser + 5);
            EXPECT_EQ(host->getStateHolder()->currentProgram, firstUser + 5);
            EXPECT_EQ(bytes(currentDataCenter()->getEditBuf(), amp.getProgramSize()), amp.getEditBuffer());
            Host::destroyInstance();
            host = nullptr;
        }
        questions.clear();
    }
}

TEST_F(TransferFixture, ReceiveAllEndsOnItsStartingProgramAfterACutOffSynchronisationAndFromAFileTab)
{
    for (const auto& [model, firstUser] : { std::pair { 0, 11 }, std::pair { 1, 60 } })
    {
        SCOPED_TRACE(model);
        {
            const int firstFile = firstUser + 8;
            SimulatedAmplifier amp(ports, model);
            auto* dc = boot();
            ASSERT_NE(dc, nullptr);
            auto* midi = host->getMidiManager();
            auto* state = host->getStateHolder();
            auto chainsEnded = [&] {
                return ! midi->isBulkReceive() && ! midi->isSyncRunning() && ! midi->isCustomBulkReceive();
            };
            auto receiveAll = [&] {
                perform(ActionManager::cmdRxAllProg);
                const bool ended = pumpUntil([&] { return midi->isSynchronised() && chainsEnded(); });
                pumpFor(100);
                return ended;
            };

            // A synchronisation, with the amplifier on its first user
            // program, is cancelled part-way; the replies on their way
            // still arrive.
            amp.setReplyDelayMs(60);
            actions->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
            ASSERT_TRUE(pumpUntil([&] { return midi->isBulkReceive() && midi->getSequenceCounter() >= firstUser + 2; }));
            main->getProgressBarDialog()->getCancelButton().triggerClick();
            ASSERT_TRUE(pumpUntil(chainsEnded));
            pumpFor(200);
            amp.setReplyDelayMs(0);

            // The amplifier moves on; Receive All stays on the program it began with.
            amp.sendModeChange(SimulatedAmplifier::modeUser, 5);
            ASSERT_TRUE(pumpUntil([&] { return DataCenter::iCurProgNo == firstUser + 5; }));
            ASSERT_TRUE(receiveAll());
            EXPECT_EQ(DataCenter::iCurProgNo, firstUser + 5);
            EXPECT_EQ(DataCenter::iUserDestProg, firstUser + 5);
            EXPECT_EQ(state->currentProgram, firstUser + 5);

            // With a program of a file tab current, Receive All ends on it,
            // not on the last user program it read.
            perform(ActionManager::cmdFileNew);
            ASSERT_EQ(dc->getFileCount(), 1);
            dc->OnRcvProgramChange(midi, firstFile, 1, 1);
            ASSERT_EQ(DataCenter::iCurProgNo, firstFile);
            ASSERT_TRUE(receiveAll());
            EXPECT_EQ(DataCenter::iCurProgNo, firstFile);
            EXPECT_EQ(state->currentProgram, firstFile);
            EXPECT_EQ(DataCenter::iUserDestProg, firstUser + 5);

            // So the amplifier's change to that last user program is followed,
            // and the write dialog preselects it.
            amp.sendModeChange(SimulatedAmplifier::modeUser, 7);
            ASSERT_TRUE(pumpUntil([&] { return DataCenter::iCurProgNo == firstUser + 7; }));
            EXPECT_EQ(DataCenter::iUserDestProg, firstUser + 7);
            actions->OpenWriteProgDialog(model);
            auto* dialog = main->getWriteProgDialog();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->getSlotList()->getSelectedId(), 8);
            dialog->cancelButtonPressed();

            Host::destroyInstance();
            host = nullptr;
        }
        questions.clear();
    }
}

TEST_F(TransferFixture, PresetNamesReceivedReachThePresetPagesAtTheEndOfAReceiveChain)
{
    for (const auto& [model, preset] : { std::pair { 0, 3 }, std::pair { 1, 23 } })
    {
        SCOPED_TRACE(model);
        {
            SimulatedAmplifier amp(ports, model);
            // As on a busy machine: the preset refresh that the end of the
            // boot's synchronisation starts (its last request is for the
            // current program) runs well after the chain's flags are down.
            bool late = false;
            amp.setReceiveObserver([&](const juce::MidiMessage& m) {
                if (! late && m.isSysEx() && m.getRawData()[6] == 0x10 && host->getMidiManager()->isSynchronised())
                {
                    late = true;
                    juce::MessageManager::callAsync(
                        [this] { host->getActionManager()->setTimerEventReq(ActionManager::timerPresetRefresh, 300, 0); });
                }
            });
            auto* dc = boot();
            ASSERT_NE(dc, nullptr);
            ASSERT_TRUE(late);
            auto* midi = host->getMidiManager();
            auto presetButtonText = [&, model = model, preset = preset]() -> juce::String {
                if (model == 0)
                {
                    auto* view = dynamic_cast<CDWQEditorLibrarianComponent*>(main->getView());
                    auto* page = view != nullptr && view->getPresetTab() != nullptr
                                     ? dynamic_cast<DWQLibROMComponent*>(view->getPresetTab()->getContentComponent())
                                     : nullptr;
                    return page != nullptr ? page->getPresetButton(preset)->getButtonText() : "no page";
                }
                auto* view = dynamic_cast<CHMQEditorLibrarianComponent*>(main->getView());
                auto* bank = view != nullptr ? view->getPresetTab()->getBankTab(preset / 20) : nullptr;
                auto* page = bank != nullptr ? bank->getBankPage() : nullptr;
                return page != nullptr ? page->getButton(preset % 20)->getButtonText() : "no page";
            };
            const auto before = presetButtonText();
            ASSERT_NE(before, "no page");
            ASSERT_FALSE(before.startsWith("FRESH NAME"));

            // The amplifier sends a preset of its own; the page shows it once
            // a receive chain has ended (and before the view is rebuilt).
            Bytes record = bytes(dc->getROMProgPtr(preset), amp.getProgramSize());
            const std::string name = "FRESH NAME " + std::to_string(preset) + "   ";
            std::copy(name.begin(), name.begin() + 16, record.begin());
            amp.send(SimulatedAmplifier::makeFrame(amp.getModelByte(), 0x4C, { 1, (juce::uint8) preset }, record));
            ASSERT_TRUE(pumpUntil([&] { return bytes(dc->getROMProgPtr(preset), amp.getProgramSize()) == record; }));
            // Until every refresh still to come has run.
            ASSERT_TRUE(settleRefreshes());
            EXPECT_EQ(presetButtonText(), before);

            perform(ActionManager::cmdRxAllProg);
            ASSERT_TRUE(pumpUntil([&] { return midi->isSynchronised() && ! midi->isBulkReceive() && ! midi->isSyncRunning(); }));
            ASSERT_TRUE(pumpUntil([&] { return presetButtonText().startsWith("FRESH NAME"); })) << presetButtonText();
            EXPECT_EQ(presetButtonText().trimEnd(), juce::String(name).trimEnd());

            Host::destroyInstance();
            host = nullptr;
        }
        questions.clear();
    }
}

TEST_F(TransferFixture, TheProgressDialogOfASynchronisationClosesAnOpenWriteDialog)
{
    SimulatedAmplifier amp(ports, 1);
    ASSERT_NE(boot(), nullptr);
    auto* midi = host->getMidiManager();
    auto* writeDialog = main->getWriteProgDialog();
    ASSERT_NE(writeDialog, nullptr);

    actions->OpenWriteProgDialog(1);
    ASSERT_TRUE(writeDialog->isVisible());
    ASSERT_TRUE(writeDialog->isCurrentlyModal(false));

    // The synchronisation a reconnect starts (timer 8) shows its progress.
    amp.setReplyDelayMs(50);
    actions->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return main->isProgressBarDialogShowing(); }));
    EXPECT_FALSE(writeDialog->isVisible());
    EXPECT_FALSE(writeDialog->isCurrentlyModal(false));
    EXPECT_TRUE(main->getProgressBarDialog()->isCurrentlyModal(false));
    testing_support::saveScreenshot(*main, "progress-dialog-over-closed-write-dialog");

    ASSERT_TRUE(pumpUntil([&] { return ! midi->isSyncRunning() && ! main->isProgressBarDialogShowing(); }));
    EXPECT_FALSE(writeDialog->isVisible());
    EXPECT_FALSE(juce::Component::getCurrentlyModalComponent() == writeDialog);
    EXPECT_EQ(juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
}

TEST_F(TransferFixture, ReceiveAllOnAnOrvaModelAsksAndDoesNothing)
{
    SimulatedAmplifier amp(ports, 3);
    ASSERT_NE(boot(), nullptr);
    amp.clearRecords();
    perform(ActionManager::cmdRxAllProg);
    pumpFor(50);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(amp.getNumReceived(), 0);
    EXPECT_FALSE(main->isProgressBarDialogShowing());
}

TEST_F(TransferFixture, CurrentProgramTransmitAndReceive)
{
    SimulatedAmplifier amp(ports, 1);
    ASSERT_NE(boot(), nullptr);
    const Bytes edit(62, 0x55);
    amp.setEditBuffer(edit);
    DataCenter::iUserDestProg = 63;
    amp.clearRecords();

    answer = false;
    EXPECT_FALSE(actions->executeTxCurProg(1, false));
    EXPECT_EQ(questions.back().text, "This command will overwrite current program of your DWQ R. \nAre you sure?");
    perform(ActionManager::cmdRxCurProg);
    pumpFor(50);
    EXPECT_EQ(amp.getNumReceived(), 0);

    answer = true;
    EXPECT_TRUE(perform(ActionManager::cmdTxCurProg));
    ASSERT_TRUE(amp.waitForReceived(1));
    pumpFor(50);
    EXPECT_EQ(amp.getUserProgram(3), edit); // user slot A4 of the HMQ
    EXPECT_EQ(ActionManager::getWriteProgItemId(1, 63), 4);

    amp.clearRecords();
    perform(ActionManager::cmdRxCurProg);
    EXPECT_EQ(questions.back().title, "Receive:");
    ASSERT_TRUE(amp.waitForReceived(1));
    EXPECT_TRUE(amp.waitForSent(1));

    // No prompt, nothing sent, while a transfer runs.
    amp.clearRecords();
    host->getMidiManager()->setBulkReceive(true);
    EXPECT_FALSE(actions->executeTxCurProg(1, true));
    host->getMidiManager()->setBulkReceive(false);
    pumpFor(30);
    EXPECT_EQ(amp.getNumReceived(), 0);
}

TEST_F(TransferFixture, ACommandIsNotReenteredWhileItsConfirmationIsOpen)
{
    SimulatedAmplifier amp(ports, 2);
    ASSERT_NE(boot(), nullptr);
    amp.clearRecords();
    onQuestion = [this] {
        onQuestion = nullptr;
        // The shortcut pressed again while the alert's loop runs.
        perform(ActionManager::cmdTxAllProg);
    };
    answer = false;
    perform(ActionManager::cmdTxAllProg);
    EXPECT_EQ(questions.size(), 1u);
    // Afterwards the command runs again.
    perform(ActionManager::cmdTxAllProg);
    EXPECT_EQ(questions.size(), 2u);
}

TEST(HelpCommand, OpensTheManualOfTheModelAndLanguage)
{
    juce::StringArray opened;
    DocumentOpener::setHandlerForTesting([&](const juce::String& path) { opened.add(path); });
    auto* host = Host::createInstance();
    auto* actions = host->getActionManager();
    auto& language = *CurrentLanguageModel::getInstance();
    const int before = language.getLanguage();
    const auto folder = ActionManager::getManualFolder().getFullPathName() + juce::File::getSeparatorString();

    actions->perform(Invocation(ActionManager::cmdHelp)); // no model: the folder
    host->changeDeviceEnvironment(DeviceInfo((eProductModelId) 5, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown));
    language.setLanguage(0);
    actions->OpenHelpBrowser();
    host->changeDeviceEnvironment(DeviceInfo((eProductModelId) 1, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown));
    language.setLanguage(1);
    actions->OpenHelpBrowser();

    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0], folder);
    EXPECT_EQ(opened[1], folder + "RigSmith_UM_1.2.0_OrvaPW_E.pdf");
    EXPECT_EQ(opened[2], folder + "RigSmith_UM_1.2.0_HMQ_J.PDF");
    EXPECT_EQ(ActionManager::getManualFileName(0, false), "RigSmith_UM_1.2.0_DW_E.pdf");
    EXPECT_EQ(ActionManager::getManualFileName(4, true), "RigSmith_UM_1.2.0_OrvaKX_J.pdf");
    EXPECT_EQ(ActionManager::getProgressRange(-1), juce::Range<int>());

    language.setLanguage(before);
    DocumentOpener::setHandlerForTesting(nullptr);
    Host::destroyInstance();
}
