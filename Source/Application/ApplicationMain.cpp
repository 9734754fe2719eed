#include "Application/ApplicationMain.h"

#include "Application/Application.h"
#include "Application/ApplicationLog.h"
#include "Platform/AlsaErrorLog.h"
#include "Platform/DisplayCheck.h"
#include "Platform/PlatformFonts.h"
#include "Platform/SecondLaunchHandover.h"

#include <iostream>

void ApplicationMain::registerApplication()
{
    juce::JUCEApplicationBase::createInstance = [] { return static_cast<juce::JUCEApplicationBase*>(new Application()); };
}

int ApplicationMain::run(int argc, char* argv[])
{
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add(argv[i]);

    juce::String commandLine;
    for (auto& arg : args)
        commandLine << (arg.containsChar(' ') && ! arg.isQuotedString() ? arg.quoted('"') : arg) << ' ';

    if (SecondLaunchHandover::sendToRunningInstance(Application::instanceName, commandLine.trim()))
        return 0;

    if (! DisplayCheck::isDisplayAvailable())
    {
        const auto executable = juce::File::getSpecialLocation(juce::File::currentExecutableFile).getFullPathName();
        std::cerr << DisplayCheck::getMissingDisplayMessage(executable) << std::endl;
        return 1;
    }

    ApplicationLog::install();
    AlsaErrorLog::install();
    PlatformFonts::useTheApplicationFamilyOnly();

    registerApplication();
    const int result = juce::JUCEApplicationBase::main(argc, (const char**) argv);

    AlsaErrorLog::uninstall();
    ApplicationLog::uninstall();
    return result;
}
