#include "ZEZEResource.h"

#include "Core/XmlFileReader.h"

ZEZEResource::ZEZEResource() : resourceFolder(getDefaultResourceFolder())
{
    stringsTable.reset(LoadXml("LocalizableStrings", "xml"));
    if (stringsTable == nullptr)
        juce::Logger::writeToLog("ZEZEResource::ZEZEResource() no strings table in " + resourceFolder.getFullPathName());
}

ZEZEResource::~ZEZEResource()
{
    stringsTable.reset();
    DisposeBuffer();
}

juce::File ZEZEResource::getDefaultResourceFolder()
{
    return juce::File::getSpecialLocation(juce::File::currentExecutableFile).getParentDirectory().getChildFile("Resources");
}

int32_t ZEZEResource::Load(const juce::String& name, const juce::String& extension, void* dest, int32_t destSize, int32_t* size)
{
    const auto file = resourceFolder.getChildFile(name + "." + extension);
    const auto fileSize = file.existsAsFile() ? file.getSize() : (juce::int64) -1;

    if (size != nullptr)
        *size = fileSize > std::numeric_limits<int32_t>::max() ? -1 : (int32_t) fileSize;

    if (fileSize <= 0 || dest == nullptr || destSize <= 0)
        return 0;

    juce::FileInputStream in(file);
    if (! in.openedOk())
        return 0;

    const auto toRead = (int) juce::jmin((juce::int64) destSize, fileSize);
    return (int32_t) juce::jmax(0, in.read(dest, toRead));
}

void ZEZEResource::AllocateBuffer(int32_t size)
{
    if (bufferSize < size)
    {
        buffer.free();
        buffer.malloc((size_t) size);
        bufferSize = size;
    }
}

void ZEZEResource::DisposeBuffer()
{
    buffer.free();
    bufferSize = 0;
}

juce::Image ZEZEResource::LoadImage(const juce::String& name, const juce::String& extension)
{
    int32_t size = -1;
    Load(name, extension, nullptr, 0, &size);
    if (size < 1)
        return {};

    AllocateBuffer(size);
    const auto read = Load(name, extension, buffer.get(), bufferSize, nullptr);
    if (read < 1)
        return {};

    return juce::ImageFileFormat::loadFrom(buffer.get(), (size_t) read);
}

juce::XmlElement* ZEZEResource::LoadXml(const juce::String& name, const juce::String& extension)
{
    int32_t size = -1;
    Load(name, extension, nullptr, 0, &size);
    if (size < 1)
        return nullptr;

    AllocateBuffer(size);
    // Decode only what this read delivered: the buffer is shared and may
    // still hold the tail of a larger, earlier resource.
    const auto read = Load(name, extension, buffer.get(), juce::jmin(size, bufferSize), nullptr);
    if (read < 1)
        return nullptr;

    juce::String error;
    auto xml = XmlFileReader::parse(buffer.get(), (size_t) read, error);
    if (xml == nullptr)
        juce::Logger::writeToLog("ZEZEResource::LoadXml() " + name + "." + extension + " not loaded: " + error);
    return xml.release();
}

juce::String ZEZEResource::GetLocalizedString(const juce::String& key) const
{
    if (stringsTable == nullptr || key.isEmpty())
        return {};
    if (auto* child = stringsTable->getChildByName(key))
        return child->getStringAttribute("Text");
    return {};
}

juce::String getLocalizedString(const juce::String& key)
{
    return ZEZEResource::getInstance()->GetLocalizedString(key);
}
