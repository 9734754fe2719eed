// The application with a simulated amplifier attached on virtual MIDI ports
// in the same process, for tests that drive the real window as a user would:
//
//   rigsmith_simamp --model N --log FILE [--layout FILE] [--pattern] [--edit-byte OFFSET=VALUE]...
//                   [--chatter PARAM] [application arguments]
//
// N is the model id (0 to 5). The amplifier holds its model's factory
// programs and settings; with --pattern it holds pattern contents instead
// (see SimulatedAmplifier). Each --edit-byte sets one byte of the
// amplifier's current program before it starts (what a real amplifier may
// hold, in or out of a parameter's range). Every message the amplifier receives is
// appended to FILE as one line of space-separated hex bytes (a SysEx message
// whole, "F0 ... F7"), written as it arrives. With --layout, the screen
// bounds of the showing windows and widgets are kept in that file (see
// WidgetLayoutWriter). With --chatter the amplifier keeps sending changes of
// that parameter (hex id), one every few milliseconds from the start to the
// end of the application, as one whose knob is turned all the time would.
#include "Application/ApplicationMain.h"
#include "Platform/MidiPortSystem.h"
#include "Platform/VirtualMidiPortSystem.h"
#include "WidgetLayoutWriter.h"
#include "support/SimulatedAmplifier.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <thread>
#include <vector>

namespace
{
juce::String hexLine(const juce::MidiMessage& message)
{
    return juce::String::toHexString(message.getRawData(), message.getRawDataSize(), 1).toUpperCase();
}

int usage()
{
    std::cerr << "usage: rigsmith_simamp --model N --log FILE [--layout FILE] [--pattern] [--edit-byte OFFSET=VALUE]... "
                 "[--chatter PARAM] [application arguments]   (N: 0 to 5)"
              << std::endl;
    return 2;
}
} // namespace

int main(int argc, char* argv[])
{
    int model = -1;
    juce::String logPath;
    juce::String layoutPath;
    bool pattern = false;
    int chatterParam = -1;
    std::vector<std::pair<int, int>> editBytes;
    std::vector<char*> appArgs { argv[0] };
    for (int i = 1; i < argc; ++i)
    {
        const juce::String arg(argv[i]);
        if (arg == "--model" && i + 1 < argc)
            model = juce::String(argv[++i]).getIntValue();
        else if (arg == "--log" && i + 1 < argc)
            logPath = argv[++i];
        else if (arg == "--layout" && i + 1 < argc)
            layoutPath = argv[++i];
        else if (arg == "--pattern")
            pattern = true;
        else if (arg == "--chatter" && i + 1 < argc)
            chatterParam = juce::String(argv[++i]).getHexValue32();
        else if (arg == "--edit-byte" && i + 1 < argc)
        {
            const juce::String byte(argv[++i]);
            editBytes.emplace_back(byte.upToFirstOccurrenceOf("=", false, false).getIntValue(),
                                   byte.fromFirstOccurrenceOf("=", false, false).getIntValue());
        }
        else
            appArgs.push_back(argv[i]);
    }
    if (model < 0 || model > 5 || logPath.isEmpty())
        return usage();

    std::FILE* log =
        std::fopen(juce::File::getCurrentWorkingDirectory().getChildFile(logPath).getFullPathName().toRawUTF8(), "a");
    if (log == nullptr)
    {
        std::cerr << "rigsmith_simamp: cannot open " << logPath << std::endl;
        return 2;
    }

    int result = 0;
    {
        VirtualMidiPortSystem ports;
        MidiPortSystem::setCurrent(&ports);
        {
            SimulatedAmplifier amp(ports, model);
            if (pattern)
                amp.fill(SimulatedAmplifier::Contents::pattern);
            if (! editBytes.empty())
            {
                auto edit = amp.getEditBuffer();
                for (auto [offset, value] : editBytes)
                    if (offset >= 0 && offset < (int) edit.size())
                        edit[(size_t) offset] = (juce::uint8) value;
                amp.setEditBuffer(edit);
            }
            std::mutex logLock;
            amp.setReceiveObserver([log, &logLock](const juce::MidiMessage& message) {
                const std::lock_guard<std::mutex> lock(logLock);
                std::fputs((hexLine(message) + "\n").toRawUTF8(), log);
                std::fflush(log);
            });

            std::atomic<bool> appRunning { true };
            std::thread chatter([&amp, &appRunning, chatterParam] {
                // A name of its own in a stack dump (at most 15 characters).
                juce::Thread::setCurrentThreadName("SimAmpChatter");
                for (int n = 0; chatterParam >= 0 && appRunning; ++n)
                {
                    amp.sendParamChange((chatterParam >> 8) & 0x7F, chatterParam & 0xFF, 40 + (n & 1) * 20);
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
            });

            appArgs.push_back(nullptr);
            if (layoutPath.isNotEmpty())
            {
                // The writer's timer needs the message loop before the
                // application starts it and after it has ended; the
                // application is known to the framework before the window
                // system is opened, as it is in the application's own start.
                ApplicationMain::registerApplication();
                const juce::ScopedJuceInitialiser_GUI library;
                {
                    WidgetLayoutWriter layout(juce::File::getCurrentWorkingDirectory().getChildFile(layoutPath));
                    result = ApplicationMain::run((int) appArgs.size() - 1, appArgs.data());
                }
            }
            else
            {
                result = ApplicationMain::run((int) appArgs.size() - 1, appArgs.data());
            }
            appRunning = false;
            chatter.join();
            amp.setReceiveObserver(nullptr);
        }
        MidiPortSystem::setCurrent(nullptr);
    }
    std::fclose(log);
    return result;
}
