#include "Preferences/PreferencesData.h"

#include "Core/XmlFileReader.h"

const juce::String PreferencesData::PreferencesFileName = "PreferencesData.xml";
const juce::String PreferencesData::PreferencesFolderName = "Rig Smith";
const juce::String PreferencesData::RootTagName = "PreferencesData";
const juce::String PreferencesData::ValueAttributeName = "Value";

namespace
{
juce::File& applicationDataFolderOverride()
{
    static juce::File folder;
    return folder;
}

// The characters an XML 1.0 document can hold, raw or as a reference.
bool isXmlCharacter(juce::uint32 c) noexcept
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

juce::String withoutNonXmlCharacters(const juce::String& value)
{
    juce::String kept;
    kept.preallocateBytes(value.getNumBytesAsUTF8());
    for (auto p = value.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        if (isXmlCharacter((juce::uint32) c))
            kept += c;
    }
    return kept;
}

// The length of a character reference at p ("&#9;", "&#x1F;") to a character
// XML refuses, or 0.
size_t refusedReferenceLength(const char* p, size_t available) noexcept
{
    if (available < 4 || p[0] != '&' || p[1] != '#')
        return 0;
    size_t i = 2;
    const bool hex = p[i] == 'x';
    if (hex)
        ++i;
    const size_t firstDigit = i;
    juce::uint64 code = 0;
    for (; i < available && i - firstDigit < 8; ++i)
    {
        const int digit = hex ? juce::CharacterFunctions::getHexDigitValue((juce::juce_wchar) p[i])
                              : (p[i] >= '0' && p[i] <= '9' ? p[i] - '0' : -1);
        if (digit < 0)
            break;
        code = code * (hex ? 16u : 10u) + (juce::uint64) digit;
    }
    if (i == firstDigit || i >= available || p[i] != ';' || isXmlCharacter((juce::uint32) code))
        return 0;
    return i + 1;
}

// The file's bytes without the control characters, raw or as references,
// that earlier versions wrote into values and that the reader refuses: the
// values that held one lose that character, the rest of the file is read.
juce::MemoryBlock withoutRefusedCharacters(const juce::MemoryBlock& data)
{
    const auto* p = static_cast<const char*>(data.getData());
    const size_t size = data.getSize();
    juce::MemoryOutputStream out(size);
    for (size_t i = 0; i < size; ++i)
    {
        const auto c = (unsigned char) p[i];
        if (c < 0x20 && ! isXmlCharacter(c))
            continue;
        if (const auto skip = refusedReferenceLength(p + i, size - i))
        {
            i += skip - 1;
            continue;
        }
        out.writeByte((char) c);
    }
    return out.getMemoryBlock();
}
} // namespace

void PreferencesData::setApplicationDataFolder(const juce::File& folder)
{
    applicationDataFolderOverride() = folder;
}

juce::File PreferencesData::getApplicationDataFolder()
{
    const auto& folder = applicationDataFolderOverride();
    if (folder != juce::File())
        return folder;
    return juce::File::getSpecialLocation(juce::File::userApplicationDataDirectory);
}

PreferencesData::PreferencesData()
{
    loadPreferencesData();
}

PreferencesData::~PreferencesData()
{
    save();
}

juce::File PreferencesData::getPreferencesFile() const
{
    const auto base = getApplicationDataFolder();
    if (base == juce::File())
        return {};

    const auto folder = base.getChildFile("Preferences").getChildFile(PreferencesFolderName);
    if (! folder.isDirectory())
    {
        const auto result = folder.createDirectory();
        if (result.failed())
            juce::Logger::writeToLog("PreferencesData::getPreferencesFile() cannot create " + folder.getFullPathName() + ": "
                                     + result.getErrorMessage());
    }
    return folder.getChildFile(PreferencesFileName);
}

bool PreferencesData::loadPreferencesData()
{
    const auto file = getPreferencesFile();
    if (file == juce::File())
    {
        document = std::make_unique<juce::XmlElement>(RootTagName);
        return false;
    }

    if (file.existsAsFile())
    {
        juce::MemoryBlock data;
        juce::String error;
        if (file.loadFileAsData(data))
            document = XmlFileReader::parse(data.getData(), data.getSize(), error);
        else
            error = "cannot read the file";

        if (document == nullptr && data.getSize() > 0)
        {
            const auto repaired = withoutRefusedCharacters(data);
            juce::String ignored;
            if (repaired.getSize() != data.getSize())
                document = XmlFileReader::parse(repaired.getData(), repaired.getSize(), ignored);
            if (document != nullptr)
                juce::Logger::writeToLog("PreferencesData::loadPreferencesData() " + file.getFullPathName()
                                         + ": control characters XML cannot hold were dropped from its values");
        }
        if (document == nullptr)
            juce::Logger::writeToLog("PreferencesData::loadPreferencesData() cannot read " + file.getFullPathName() + ": " + error
                                     + "; starting with defaults");
    }
    else
    {
        document.reset();
    }

    if (document == nullptr)
        document = std::make_unique<juce::XmlElement>(RootTagName);
    return true;
}

bool PreferencesData::save()
{
    const auto file = getPreferencesFile();
    if (file == juce::File())
        return false;

    // writeTo(File) writes a temporary file beside the target and moves it
    // over the old one, so a failed write never leaves a half-written file.
    juce::XmlElement::TextFormat format;
    format.dtd = {};
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    const bool ok = document->writeTo(file, format);
    if (! ok)
        juce::Logger::writeToLog("PreferencesData::save() cannot write " + file.getFullPathName());
    return ok;
}

const juce::XmlElement* PreferencesData::findElement(const juce::String& key) const
{
    for (auto* child : document->getChildIterator())
        if (child->getTagName().equalsIgnoreCase(key))
            return child;
    return nullptr;
}

juce::XmlElement* PreferencesData::getElement(const juce::String& key)
{
    if (auto* found = findElement(key))
        return const_cast<juce::XmlElement*>(found);
    return document->createNewChildElement(key);
}

void PreferencesData::setValue(const juce::String& key, const juce::String& value)
{
    // The writer would put a control character into the file as a reference
    // that no XML reader accepts, and the whole file would be refused at the
    // next start: such characters are left out.
    auto kept = withoutNonXmlCharacters(value);
    if (kept.length() != value.length())
        juce::Logger::writeToLog("PreferencesData::setValue() " + key + ": control characters left out of the value");
    getElement(key)->setAttribute(ValueAttributeName, std::move(kept));
}

void PreferencesData::setValue(const juce::String& key, const int& value)
{
    getElement(key)->setAttribute(ValueAttributeName, value);
}

juce::String PreferencesData::getStringValue(const juce::String& key, const juce::String& defaultValue) const
{
    if (auto* element = findElement(key))
        return element->getStringAttribute(ValueAttributeName, defaultValue);
    return defaultValue;
}

int PreferencesData::getIntValue(const juce::String& key, const int& defaultValue) const
{
    if (auto* element = findElement(key))
        return element->getIntAttribute(ValueAttributeName, defaultValue);
    return defaultValue;
}
