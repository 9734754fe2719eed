#pragma once

#include <functional>
#include <juce_core/juce_core.h>

// Opens a document with the system's default application, started directly
// (never through a shell) and not waited for. Tests install a recorder.
namespace DocumentOpener
{
void open(const juce::String& path);

using Handler = std::function<void(const juce::String&)>;
void setHandlerForTesting(Handler handler); // empty: start the real opener
} // namespace DocumentOpener
