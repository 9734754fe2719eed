#include "WidgetLayoutWriter.h"

#include "GUI/Catalog/CJVCatalogCell.h"
#include "GUI/RSKnob.h"
#include "GUI/RSProgSelectButton.h"
#include "GUI/RSWidgetSupport.h"
#include "UIForm/UIFormIds.h"

namespace
{
juce::String boundsText(const juce::Component& c)
{
    const auto r = c.getScreenBounds();
    return juce::String(r.getX()) + "\t" + juce::String(r.getY()) + "\t" + juce::String(r.getWidth()) + "\t"
           + juce::String(r.getHeight());
}

juce::String valueText(const juce::Component& c)
{
    if (auto* knob = dynamic_cast<const RSKnob*>(&c))
        return juce::String(knob->getCurrentValue()) + "\t" + juce::String(knob->getRSKnobMin()) + "\t"
               + juce::String(knob->getRSKnobMax());
    if (auto* slider = dynamic_cast<const juce::Slider*>(&c))
        return juce::String(slider->getValue()) + "\t" + juce::String(slider->getMinimum()) + "\t"
               + juce::String(slider->getMaximum());
    if (auto* button = dynamic_cast<const juce::Button*>(&c))
        return button->getToggleState() ? "1\t-\t-" : "0\t-\t-";
    if (auto* cell = dynamic_cast<const CJVCatalogCell*>(&c))
        return cell->isSelected() ? "1\t-\t-" : "0\t-\t-";
    return "-\t-\t-";
}

// The image name of the amp picture a program button holds, or "-".
juce::String pictureText(const juce::Component& c)
{
    auto* button = dynamic_cast<RSProgSelectButton*>(const_cast<juce::Component*>(&c));
    if (button == nullptr)
        return {};
    const auto held = button->getNormalImage();
    if (! held.isValid())
        return {};
    for (int type = 0; type < 32; ++type)
    {
        const auto name = button->getPNGName(type);
        if (name.isNotEmpty() && RSWidgetSupport::getImage(name) == held)
            return name;
    }
    return "-";
}

void describeChildren(const juce::Component& parent, juce::String& out)
{
    for (auto* child : parent.getChildren())
    {
        if (! child->isVisible())
            continue;
        const int paramId = child->getProperties().getWithDefault(UIFormProperty::ParamId, -1);
        if (paramId >= 0)
            out << "param\t" << juce::String::toHexString(paramId) << "\t" << boundsText(*child) << "\t" << valueText(*child)
                << "\n";
        // A button without a name is listed by its text.
        auto* button = dynamic_cast<juce::Button*>(child);
        const auto shown = child->getName().isEmpty() && button != nullptr ? button->getButtonText() : child->getName();
        const auto name = shown.replaceCharacters("\t\n", "  ");
        if (name.isNotEmpty())
        {
            out << "name\t" << name << "\t" << boundsText(*child) << "\t" << valueText(*child) << "\n";
            if (const auto picture = pictureText(*child); picture.isNotEmpty())
                out << "picture\t" << name << "\t" << boundsText(*child) << "\t" << picture << "\t-\t-\n";
        }
        describeChildren(*child, out);
    }
}
} // namespace

WidgetLayoutWriter::WidgetLayoutWriter(juce::File layoutFile) : file(std::move(layoutFile))
{
    file.deleteFile();
    startTimer(100);
}

WidgetLayoutWriter::~WidgetLayoutWriter()
{
    stopTimer();
}

juce::String WidgetLayoutWriter::describeDesktop()
{
    juce::String out;
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
    {
        auto* window = desktop.getComponent(i);
        if (window == nullptr || ! window->isShowing())
            continue;
        out << "window\t" << window->getName().replaceCharacters("\t\n", "  ") << "\t" << boundsText(*window) << "\t-\t-\t-\n";
        describeChildren(*window, out);
    }
    return out;
}

void WidgetLayoutWriter::timerCallback()
{
    const auto text = describeDesktop();
    if (text == written)
        return;
    const auto temporary = file.getSiblingFile(file.getFileName() + ".new");
    if (temporary.replaceWithText(text) && temporary.moveFileTo(file))
        written = text;
}
