// Entry point. A second launch hands its command line to the running
// instance before the framework starts, and exits.
#include "Application/Application.h"
#include "Platform/PlatformFonts.h"
#include "Platform/SecondLaunchHandover.h"

juce::JUCEApplicationBase* juce_CreateApplication();
juce::JUCEApplicationBase* juce_CreateApplication()
{
    return new Application();
}

int main(int argc, char* argv[])
{
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add(argv[i]);

    juce::String commandLine;
    for (auto& arg : args)
        commandLine << (arg.containsChar(' ') && ! arg.isQuotedString() ? arg.quoted('"') : arg) << ' ';

    if (SecondLaunchHandover::sendToRunningInstance(Application::instanceName, commandLine.trim()))
        return 0;

    PlatformFonts::useTheApplicationFamilyOnly();
    juce::JUCEApplicationBase::createInstance = &juce_CreateApplication;
    return juce::JUCEApplicationBase::main(argc, (const char**) argv);
}
