#include "Platform/AlsaErrorLog.h"

#if JUCE_LINUX
#include <alsa/asoundlib.h>
#endif

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <set>

namespace
{
std::mutex& reportedLock()
{
    static std::mutex lock;
    return lock;
}

std::set<juce::String>& reported()
{
    static std::set<juce::String> lines;
    return lines;
}

#if JUCE_LINUX
void handleAlsaError(const char* file, int line, const char* function, int err, const char* format, ...)
{
    juce::ignoreUnused(file, line);
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);

    juce::String message = "ALSA " + juce::String(function != nullptr ? function : "") + ": " + juce::String(text);
    if (err != 0)
        message << ": " << snd_strerror(err);
    AlsaErrorLog::report(message);
}
#endif
} // namespace

void AlsaErrorLog::install()
{
#if JUCE_LINUX
    snd_lib_error_set_handler(handleAlsaError);
#endif
}

void AlsaErrorLog::uninstall()
{
#if JUCE_LINUX
    snd_lib_error_set_handler(nullptr);
#endif
}

bool AlsaErrorLog::report(const juce::String& line)
{
    {
        const std::lock_guard<std::mutex> lock(reportedLock());
        if (! reported().insert(line).second)
            return false;
    }
    juce::Logger::writeToLog(line);
    return true;
}

void AlsaErrorLog::forgetReported()
{
    const std::lock_guard<std::mutex> lock(reportedLock());
    reported().clear();
}
