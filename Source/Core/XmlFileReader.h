#pragma once

#include <juce_core/juce_core.h>

#include <memory>

// Reads the application's XML files (preferences, resource tables) with
// expat and builds the framework's XmlElement tree from the result. The
// framework's own parser is never given these bytes: a damaged file must
// not hang, over-read or grow without bound.
//
// Accepted: one well-formed UTF-8 document without a document type (so no
// entity of its own). Comments and processing instructions are skipped;
// text that is only white space is dropped, as the framework's parser does.
class XmlFileReader
{
public:
    // The root element, or null with the reason in error.
    static std::unique_ptr<juce::XmlElement> parse(const void* data, size_t numBytes, juce::String& error);
    static std::unique_ptr<juce::XmlElement> parse(const juce::File& file, juce::String& error);

private:
    XmlFileReader() = delete;
};
