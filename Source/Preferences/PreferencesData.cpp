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
        juce::String error;
        document = XmlFileReader::parse(file, error);
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
    getElement(key)->setAttribute(ValueAttributeName, value);
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
