#include "GUI/Editor/ProgramNameText.h"

namespace
{
bool isPrintable(juce::juce_wchar c)
{
    return c >= 0x20 && c <= 0x7E;
}
} // namespace

juce::String ProgramNameText::fromRecord(const unsigned char* record)
{
    if (record == nullptr)
        return {};
    char name[nameLength + 1] = {};
    int n = 0;
    for (; n < nameLength && record[n] != 0; ++n)
        name[n] = isPrintable(record[n]) ? (char) record[n] : ' ';
    return juce::String(name, (size_t) n);
}

juce::String ProgramNameText::fromFileRecord(const unsigned char* record)
{
    if (record == nullptr)
        return {};
    for (int n = 0; n < nameLength && record[n] != 0; ++n)
        if (record[n] >= 0x80)
            return {};
    return fromRecord(record);
}

juce::String ProgramNameText::printable(const juce::String& text)
{
    juce::String out;
    out.preallocateBytes((size_t) text.length() + 1);
    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        out += isPrintable(*p) ? *p : (juce::juce_wchar) ' ';
    return out;
}
