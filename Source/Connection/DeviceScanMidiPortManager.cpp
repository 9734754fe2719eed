#include "Connection/DeviceScanMidiPortManager.h"

#include "Action/MidiManager.h"
#include "Platform/MidiPortSystem.h"
#include "Platform/RSClock.h"

DeviceScanMidiPortManager::DeviceScanMidiPortManager(MidiManager* manager) : midiManager(manager)
{}

DeviceScanMidiPortManager::~DeviceScanMidiPortManager()
{
    closeAllPorts();
}

bool DeviceScanMidiPortManager::openAllPorts(CRSMidiListener* listener)
{
    // Ports of an earlier scan that were never closed would otherwise stay
    // open and registered next to the new ones.
    closeAllPorts();

    auto& system = MidiPortSystem::current();
    const auto systemInputs = system.getInputNames();
    const auto systemOutputs = system.getOutputNames();
    if (systemInputs.isEmpty() || systemOutputs.isEmpty())
        return true;

    RSClock::current().sleep(150);

    const juce::ScopedLock sl(lock);
    numInputs = 0;
    numOutputs = 0;

    for (int i = 0; i < systemInputs.size(); ++i)
    {
        auto port = system.openInput(i, midiManager);
        if (port == nullptr)
            continue;
        if (midiManager != nullptr && listener != nullptr)
            midiManager->AddListener(listener);
        auto* opened = port.get();
        inputs.push_back(std::move(port));
        inputNames.add(systemInputs[i]);
        ++numInputs;
        opened->start();
    }

    for (int i = 0; i < systemOutputs.size(); ++i)
    {
        auto port = system.openOutput(i);
        if (port == nullptr)
            continue;
        outputs.push_back(std::move(port));
        outputNames.add(systemOutputs[i]);
        ++numOutputs;
    }
    return true;
}

void DeviceScanMidiPortManager::closeAllPorts()
{
    std::vector<std::unique_ptr<MidiInputPort>> closingInputs;
    std::vector<std::unique_ptr<MidiOutputPort>> closingOutputs;
    {
        const juce::ScopedLock sl(lock);
        if (numInputs < 1 && numOutputs < 1)
            return;
        // Taken out under the lock, deleted outside it: deleting an input
        // waits for its callback, which may be waiting for this lock. The
        // names stay until the inputs are stopped: a late reply handled in
        // the pause below still knows the output it answers on.
        closingInputs.swap(inputs);
        closingOutputs.swap(outputs);
    }

    RSClock::current().sleep(150);

    // The scan listener was registered once per input; clearing the list
    // removes every registration (Host registers the data centre again after
    // a connection).
    if (midiManager != nullptr)
        midiManager->ClearListeners();

    for (auto it = closingInputs.rbegin(); it != closingInputs.rend(); ++it)
    {
        (*it)->stop();
        it->reset();
    }
    for (auto it = closingOutputs.rbegin(); it != closingOutputs.rend(); ++it)
        it->reset();

    const juce::ScopedLock sl(lock);
    inputNames.clear();
    outputNames.clear();
    numInputs = 0;
    numOutputs = 0;
}

MidiOutputPort* DeviceScanMidiPortManager::getMidiOut(int index) const
{
    const juce::ScopedLock sl(lock);
    if (index < 0 || index >= (int) outputs.size())
        return nullptr;
    return outputs[(size_t) index].get();
}

juce::String DeviceScanMidiPortManager::getMidiOutDeviceName(int index) const
{
    const juce::ScopedLock sl(lock);
    return outputNames[index]; // empty when out of range
}

int DeviceScanMidiPortManager::getMidiInIndex(MidiInputPort* input) const
{
    if (input == nullptr)
        return -1;
    return MidiPortSystem::current().getInputNames().indexOf(input->getName());
}

int DeviceScanMidiPortManager::getNumOpenedInputs() const
{
    const juce::ScopedLock sl(lock);
    return numInputs;
}

int DeviceScanMidiPortManager::getNumOpenedOutputs() const
{
    const juce::ScopedLock sl(lock);
    return numOutputs;
}

juce::StringArray DeviceScanMidiPortManager::getOpenedInputNames() const
{
    const juce::ScopedLock sl(lock);
    return inputNames;
}
