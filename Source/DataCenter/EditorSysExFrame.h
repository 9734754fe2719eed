#pragma once

#include <juce_core/juce_core.h>

// One editor SysEx message as a data centre receives it:
// F0 42 3n 00 01 <model byte> <function> <argument bytes...> F7.
// Every decoder reads its messages through this, so that none reads past the
// message or acts on a message that is too short for its function.
class EditorSysExFrame
{
public:
    static constexpr int posFunction = 6;
    static constexpr int posArgs = 7;

    EditorSysExFrame(const juce::uint8* raw, int size, int modelByte) noexcept
        : data(raw),
          end(size > 0 && raw[size - 1] == 0xF7 ? size - 1 : size), // the data ends before F7
          valid(size >= posArgs && raw[1] == 0x42 && raw[3] == 0x00 && raw[4] == 0x01 && raw[5] == modelByte)
    {}

    // The maker's header and this model's byte.
    bool isValid() const noexcept { return valid; }
    int function() const noexcept { return data[posFunction]; }
    int arg(int k) const noexcept { return data[posArgs + k]; }
    const juce::uint8* args() const noexcept { return data + posArgs; }
    int numArgBytes() const noexcept { return end - posArgs; }

    // True when the message holds that many bytes from its first argument on;
    // otherwise says why it is ignored (through log) and returns false.
    template <typename Log>
    bool has(int bytesFromArgs, Log&& log) const
    {
        if (numArgBytes() >= bytesFromArgs)
            return true;
        log("function 0x" + juce::String::toHexString(function()) + " too short: " + juce::String(numArgBytes()) + " of "
            + juce::String(bytesFromArgs) + " bytes");
        return false;
    }

private:
    const juce::uint8* data;
    int end;
    bool valid;
};
