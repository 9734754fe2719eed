#include "Application/ApplicationLog.h"

#include "Preferences/PreferencesData.h"

#include <cstdio>

namespace
{
ApplicationLog*& installed()
{
    static ApplicationLog* log = nullptr;
    return log;
}
} // namespace

ApplicationLog::ApplicationLog(const juce::File& logFile, bool echoToConsole) : file(logFile), echo(echoToConsole)
{
    file.getParentDirectory().createDirectory();
    juce::FileLogger::trimFileSize(file, maxFileSize);
    write("\n**********************************************************\nRig Smith, log started "
          + juce::Time::getCurrentTime().toString(true, true) + "\n");
}

ApplicationLog::~ApplicationLog() = default;

juce::File ApplicationLog::getLogFile(const juce::File& applicationDataFolder)
{
    return applicationDataFolder.getChildFile("Rig Smith").getChildFile("Rig Smith.log");
}

bool ApplicationLog::shouldEcho()
{
    const auto setting = juce::SystemStats::getEnvironmentVariable("RIGSMITH_LOG_ECHO", {});
    if (setting.isNotEmpty())
        return setting.getIntValue() != 0;
#if JUCE_DEBUG
    return true;
#else
    return false;
#endif
}

void ApplicationLog::install()
{
    uninstall();
    installed() = new ApplicationLog(getLogFile(PreferencesData::getApplicationDataFolder()), shouldEcho());
    juce::Logger::setCurrentLogger(installed());
}

void ApplicationLog::uninstall()
{
    if (installed() == nullptr)
        return;
    if (juce::Logger::getCurrentLogger() == installed())
        juce::Logger::setCurrentLogger(nullptr);
    delete installed();
    installed() = nullptr;
}

void ApplicationLog::logMessage(const juce::String& message)
{
    write(message + "\n");
    if (echo)
    {
        std::fputs(message.toRawUTF8(), stderr);
        std::fputc('\n', stderr);
    }
}

void ApplicationLog::write(const juce::String& text)
{
    const juce::ScopedLock sl(lock);
    {
        juce::FileOutputStream out(file, 256);
        if (! out.openedOk())
            return;
        out << text;
    }
    writtenSinceTrim += (juce::int64) text.getNumBytesAsUTF8();
    if (writtenSinceTrim > maxFileSize)
    {
        juce::FileLogger::trimFileSize(file, maxFileSize);
        writtenSinceTrim = 0;
    }
}
