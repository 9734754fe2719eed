#pragma once

#include <juce_core/juce_core.h>

#include <vector>

// The 12-byte type tags that begin every program file of a model.
namespace DWQ
{
extern const unsigned char g_ucFileHeaderSymbols[12];
}
namespace HMQ
{
extern const unsigned char g_ucFileHeaderSymbols[12];
}
namespace orvaKX
{
extern const unsigned char g_ucFileHeaderSymbols[12]; // also the wireless variant
}
namespace orvaPW
{
extern const unsigned char g_ucFileHeaderSymbols[12]; // also the wireless variant
}

// The one program-file format: a 32-byte header (the model's 12-byte type
// tag, 20 zero bytes) followed by whole program records. There is no count
// and no checksum; the number of programs follows from the size. Tab files
// hold one file tab's programs, user-program files the eight user programs.
class ProgramFile
{
public:
    static constexpr int headerSize = 32;
    static constexpr int tagSize = 12;
    static constexpr int tagCompareLength = 7; // "OKXPROG": version digits are not compared
    static constexpr int maxRecords = 11;
    static constexpr int numUserPrograms = 8;

    struct Format
    {
        int model;
        const unsigned char* tag;
        int recordSize;
        int programsPerTab;
        const char* extension; // with the dot, e.g. ".okxprog"

        int minFileSize() const noexcept { return headerSize + recordSize; }
        int maxFileSize() const noexcept { return headerSize + maxRecords * recordSize; }
        int tabImageSize() const noexcept { return headerSize + programsPerTab * recordSize; }
        int userImageSize() const noexcept { return headerSize + numUserPrograms * recordSize; }
        juce::String getExtension() const { return extension; }
        juce::String getPattern() const { return juce::String("*") + extension; }
        juce::String getTypeName() const { return juce::String(extension).substring(1); } // "okxprog"
    };

    // The format of model 0-5; null for any other id.
    static const Format* forModel(int model) noexcept;

    enum class ReadError
    {
        none,
        cannotOpen, // missing, not a file, or no read access
        badSize,    // not the header plus 1 to 11 whole records
        foreignTag, // another model's file or no program file at all
        truncated   // the stream ended or failed before the size promised
    };

    struct ReadResult
    {
        ReadError error = ReadError::cannotOpen;
        int programs = 0; // records taken from the file
        bool ok() const noexcept { return error == ReadError::none; }
    };

    // Reads up to `capacity` records of the file into `records` (resized to
    // capacity records); records the file does not supply are copies of
    // initRecord. On any failure `records` is left untouched, so a caller
    // that copies only on success never shows a half-loaded tab.
    static ReadResult read(const juce::File& file, const Format& format, int capacity, const unsigned char* initRecord,
                           std::vector<unsigned char>& records);

    // The alert text for a refused file.
    static juce::String describe(ReadError error, const juce::File& file, const Format& format);

    // Writes the tag and the 20 zero bytes at image[0..31].
    static void writeHeader(unsigned char* image, const Format& format) noexcept;

    // Writes `target` whole or not at all: the writer fills a stream on a
    // temporary file beside the target, which then replaces the target.
    // False (target untouched) when the stream cannot be opened, the writer
    // fails, or the move fails; openFailed tells the first case apart.
    static bool writeSafely(const juce::File& target, int bufferSize, const std::function<bool(juce::FileOutputStream&)>& writer,
                            bool* openFailed = nullptr);

    // True when the file name (with extension) may be used for a save: it
    // does not begin with "." and holds none of * ? / : < >.
    static bool isValidFileName(const juce::String& name);

    // The file a save writes: the chosen one when its extension is exactly
    // the model's, else the chosen name with the extension appended.
    static juce::File withModelExtension(const juce::File& chosen, const Format& format);
};
