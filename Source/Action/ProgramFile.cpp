#include "Action/ProgramFile.h"

#include "Core/ProductModel.h"

#include <cstring>

namespace DWQ
{
const unsigned char g_ucFileHeaderSymbols[12] = { 'D', 'W', 'Q', 'P', 'R', 'O', 'G', '1', '0', '0', '0', ' ' };
}
namespace HMQ
{
const unsigned char g_ucFileHeaderSymbols[12] = { 'H', 'M', 'Q', 'P', 'R', 'O', 'G', '1', '0', '0', '0', ' ' };
}
namespace orvaKX
{
const unsigned char g_ucFileHeaderSymbols[12] = { 'O', 'K', 'X', 'P', 'R', 'O', 'G', '1', '0', '0', '0', ' ' };
}
namespace orvaPW
{
const unsigned char g_ucFileHeaderSymbols[12] = { 'O', 'P', 'W', 'P', 'R', 'O', 'G', '1', '0', '0', '0', ' ' };
}

namespace
{
const ProgramFile::Format formats[] = {
    { 0, DWQ::g_ucFileHeaderSymbols, 30, 11, ".dwqprog" },   { 1, HMQ::g_ucFileHeaderSymbols, 62, 11, ".hmqprog" },
    { 2, orvaKX::g_ucFileHeaderSymbols, 62, 8, ".okxprog" }, { 3, orvaPW::g_ucFileHeaderSymbols, 62, 8, ".opwprog" },
    { 4, orvaKX::g_ucFileHeaderSymbols, 62, 8, ".okxprog" }, { 5, orvaPW::g_ucFileHeaderSymbols, 62, 8, ".opwprog" },
};
} // namespace

const ProgramFile::Format* ProgramFile::forModel(int model) noexcept
{
    return isKnownModel(model) ? &formats[model] : nullptr;
}

ProgramFile::ReadResult ProgramFile::read(const juce::File& file, const Format& format, int capacity,
                                          const unsigned char* initRecord, std::vector<unsigned char>& records)
{
    ReadResult result;
    if (capacity < 1 || initRecord == nullptr || ! file.existsAsFile())
        return result;

    juce::FileInputStream in(file);
    if (! in.openedOk())
        return result;

    // The header and at least one record; a partial last record (a file cut
    // short) is left out, so every whole record before it stays reachable.
    const auto size = in.getTotalLength();
    if (size < format.minFileSize() || size > format.maxFileSize())
    {
        result.error = ReadError::badSize;
        return result;
    }

    unsigned char header[headerSize] = {};
    if (in.read(header, headerSize) != headerSize || in.getStatus().failed())
    {
        result.error = ReadError::truncated;
        return result;
    }
    if (std::memcmp(header, format.tag, tagCompareLength) != 0)
    {
        result.error = ReadError::foreignTag;
        return result;
    }

    const int inFile = (int) ((size - headerSize) / format.recordSize);
    const int tail = (int) ((size - headerSize) % format.recordSize);
    if (tail != 0)
        juce::Logger::writeToLog("ProgramFile::read() " + file.getFullPathName() + ": the last " + juce::String(tail)
                                 + " bytes are no whole program and are ignored");
    const int programs = juce::jmin(inFile, capacity);
    std::vector<unsigned char> buffer((size_t) (capacity * format.recordSize));
    const int wanted = programs * format.recordSize;
    if (in.read(buffer.data(), wanted) != wanted || in.getStatus().failed())
    {
        result.error = ReadError::truncated;
        return result;
    }
    for (int i = programs; i < capacity; ++i)
        std::memcpy(buffer.data() + (size_t) (i * format.recordSize), initRecord, (size_t) format.recordSize);

    records.swap(buffer);
    result.error = ReadError::none;
    result.programs = programs;
    return result;
}

juce::String ProgramFile::describe(ReadError error, const juce::File& file, const Format& format)
{
    const auto name = file.getFileName();
    switch (error)
    {
        case ReadError::none: return {};
        case ReadError::cannotOpen: return name + " cannot be read.";
        case ReadError::badSize: return name + " is damaged: its size does not match whole programs.";
        case ReadError::foreignTag: return name + " is not a " + format.getExtension() + " program file.";
        case ReadError::truncated: return name + " is damaged: it ends before its last program.";
    }
    return {};
}

void ProgramFile::writeHeader(unsigned char* image, const Format& format) noexcept
{
    std::memcpy(image, format.tag, tagSize);
    std::memset(image + tagSize, 0, (size_t) (headerSize - tagSize));
}

bool ProgramFile::writeSafely(const juce::File& target, int bufferSize,
                              const std::function<bool(juce::FileOutputStream&)>& writer, bool* openFailed)
{
    if (openFailed != nullptr)
        *openFailed = false;

    juce::TemporaryFile temporary(target);
    bool written = false;
    {
        juce::FileOutputStream out(temporary.getFile(), (size_t) juce::jmax(1, bufferSize));
        if (! out.openedOk())
        {
            if (openFailed != nullptr)
                *openFailed = true;
            return false;
        }
        written = writer(out);
        out.flush();
        written = written && out.getStatus().wasOk();
    }
    return written && temporary.overwriteTargetFileWithTemporary();
}

bool ProgramFile::isValidFileName(const juce::String& name)
{
    return name.isNotEmpty() && ! name.startsWithChar('.') && ! name.containsAnyOf("*?/:<>");
}

juce::File ProgramFile::withModelExtension(const juce::File& chosen, const Format& format)
{
    if (chosen.getFileExtension() == format.getExtension())
        return chosen;
    return chosen.getSiblingFile(chosen.getFileName() + format.getExtension());
}
