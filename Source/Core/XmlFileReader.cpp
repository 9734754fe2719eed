#include "Core/XmlFileReader.h"

#include <expat.h>

#include <limits>
#include <vector>

namespace
{
struct TreeBuilder
{
    XML_Parser parser = nullptr;
    std::unique_ptr<juce::XmlElement> root;
    std::vector<juce::XmlElement*> open;
    juce::MemoryOutputStream text;
    juce::String refusal;

    void refuse(const juce::String& why)
    {
        if (refusal.isEmpty())
            refusal = why;
        XML_StopParser(parser, XML_FALSE);
    }

    void flushText()
    {
        if (text.getDataSize() == 0)
            return;
        const auto content = text.toUTF8();
        text.reset();
        if (open.empty() || content.trim().isEmpty())
            return;
        open.back()->addChildElement(juce::XmlElement::createTextElement(content));
    }

    void startElement(const XML_Char* name, const XML_Char** attributes)
    {
        flushText();
        const auto tag = juce::String::fromUTF8(name);
        if (! juce::XmlElement::isValidXmlName(tag))
            return refuse("element name " + tag.quoted());

        auto element = std::make_unique<juce::XmlElement>(tag);
        for (int i = 0; attributes[i] != nullptr && attributes[i + 1] != nullptr; i += 2)
        {
            const auto attributeName = juce::String::fromUTF8(attributes[i]);
            if (! juce::XmlElement::isValidXmlName(attributeName))
                return refuse("attribute name " + attributeName.quoted());
            element->setAttribute(attributeName, juce::String::fromUTF8(attributes[i + 1]));
        }

        auto* raw = element.get();
        if (open.empty())
            root = std::move(element);
        else
            open.back()->addChildElement(element.release());
        open.push_back(raw);
    }

    void endElement()
    {
        flushText();
        if (! open.empty())
            open.pop_back();
    }

    static void XMLCALL onStart(void* self, const XML_Char* name, const XML_Char** attributes)
    {
        static_cast<TreeBuilder*>(self)->startElement(name, attributes);
    }

    static void XMLCALL onEnd(void* self, const XML_Char*) { static_cast<TreeBuilder*>(self)->endElement(); }

    static void XMLCALL onText(void* self, const XML_Char* s, int length)
    {
        if (length > 0)
            static_cast<TreeBuilder*>(self)->text.write(s, (size_t) length);
    }

    static void XMLCALL onDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int)
    {
        static_cast<TreeBuilder*>(self)->refuse("document type declaration");
    }

    static void XMLCALL onEntity(void* self, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                                 const XML_Char*, const XML_Char*)
    {
        static_cast<TreeBuilder*>(self)->refuse("entity declaration");
    }
};
} // namespace

std::unique_ptr<juce::XmlElement> XmlFileReader::parse(const void* data, size_t numBytes, juce::String& error)
{
    error.clear();
    if (data == nullptr || numBytes == 0)
    {
        error = "empty document";
        return nullptr;
    }
    if (numBytes > (size_t) std::numeric_limits<int>::max())
    {
        error = "document too large";
        return nullptr;
    }

    // The encoding is fixed: a declaration that names another is not followed.
    const std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"),
                                                                                               &XML_ParserFree);
    if (parser == nullptr)
    {
        error = "no parser";
        return nullptr;
    }

    TreeBuilder builder;
    builder.parser = parser.get();
    XML_SetUserData(parser.get(), &builder);
    XML_SetElementHandler(parser.get(), &TreeBuilder::onStart, &TreeBuilder::onEnd);
    XML_SetCharacterDataHandler(parser.get(), &TreeBuilder::onText);
    XML_SetStartDoctypeDeclHandler(parser.get(), &TreeBuilder::onDoctype);
    XML_SetEntityDeclHandler(parser.get(), &TreeBuilder::onEntity);
    XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);

    const auto status = XML_Parse(parser.get(), static_cast<const char*>(data), (int) numBytes, XML_TRUE);
    if (builder.refusal.isNotEmpty())
    {
        error = "refused: " + builder.refusal;
        return nullptr;
    }
    if (status != XML_STATUS_OK)
    {
        error = juce::String::fromUTF8(XML_ErrorString(XML_GetErrorCode(parser.get()))) + " at line "
                + juce::String((juce::int64) XML_GetCurrentLineNumber(parser.get()));
        return nullptr;
    }
    if (builder.root == nullptr)
    {
        error = "no element";
        return nullptr;
    }
    return std::move(builder.root);
}

std::unique_ptr<juce::XmlElement> XmlFileReader::parse(const juce::File& file, juce::String& error)
{
    juce::MemoryBlock bytes;
    if (! file.loadFileAsData(bytes))
    {
        error = "cannot read the file";
        return nullptr;
    }
    return parse(bytes.getData(), bytes.getSize(), error);
}
