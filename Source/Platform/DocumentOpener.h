#pragma once

#include <functional>
#include <juce_core/juce_core.h>

// Opens a document with the system's default application: the desktop's
// opener is started directly (never through a shell), not waited for, and
// never left behind as a defunct child. A path that names nothing opens
// nothing and leaves one line in the log. Tests install a recorder.
namespace DocumentOpener
{
void open(const juce::String& path);

using Handler = std::function<void(const juce::String&)>;
void setHandlerForTesting(Handler handler); // empty: start the real opener
} // namespace DocumentOpener
