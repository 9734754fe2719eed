#pragma once

#include <juce_core/juce_core.h>

// The text a program button shows for the 16 name bytes that open every
// program record. A record may come from a file or the amplifier: the bytes
// need not be ASCII and need not end with a zero.
class ProgramNameText
{
public:
    static constexpr int nameLength = 16;

    // At most 16 bytes, ending at the first zero; every byte outside
    // 0x20-0x7E is shown as a blank. Empty for a missing record.
    static juce::String fromRecord(const unsigned char* record);

    // The name of a file-slot button: as fromRecord, but empty when a byte
    // of 0x80 or more comes before the end of the name.
    static juce::String fromFileRecord(const unsigned char* record);

    // A text with every character outside 0x20-0x7E drawn as a blank.
    static juce::String printable(const juce::String& text);
};
