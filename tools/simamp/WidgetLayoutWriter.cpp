#include "WidgetLayoutWriter.h"

#include "GUI/Catalog/CJVCatalogCell.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/RSProgSelectButton.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "UIForm/UIFormIds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

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
    if (auto* editor = dynamic_cast<const juce::TextEditor*>(&c))
        return editor->getText().replaceCharacters("\t\n", "  ") + "\t-\t-";
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

// What a widget without a component name is listed by: a button by its text,
// the editor page's menu button as "Menu" and its connection badge as
// "Badge", a popup menu's item that can be chosen by its text (greyed items
// are not listed).
juce::String shownName(juce::Component& c)
{
    if (c.getName().isNotEmpty())
        return c.getName();
    if (auto* page = dynamic_cast<EditorComponent*>(c.getParentComponent()))
    {
        if (page->getMenuButton() == &c)
            return "Menu";
        if (page->getMIDIIndicator() == &c)
            return "Badge";
    }
    if (auto* button = dynamic_cast<juce::Button*>(&c))
        return button->getButtonText();
    if (auto* handler = c.getAccessibilityHandler())
        if (handler->getRole() == juce::AccessibilityRole::menuItem)
            return handler->getTitle();
    return {};
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
        const auto name = shownName(*child).replaceCharacters("\t\n", "  ");
        if (name.isNotEmpty())
        {
            out << "name\t" << name << "\t" << boundsText(*child) << "\t" << valueText(*child) << "\n";
            if (const auto picture = pictureText(*child); picture.isNotEmpty())
                out << "picture\t" << name << "\t" << boundsText(*child) << "\t" << picture << "\t-\t-\n";
        }
        describeChildren(*child, out);
    }
}
// The class of a component, as its source names it.
juce::String className(const juce::Component& c)
{
    const char* mangled = typeid(c).name();
    int status = -1;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && demangled != nullptr ? juce::String(demangled.get()) : juce::String(mangled);
}

// The line of the component that has the keyboard focus, when one has it.
juce::String focusText()
{
    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    if (focused == nullptr || ! focused->isShowing())
        return {};
    const auto name = shownName(*focused).replaceCharacters("\t\n", "  ");
    auto* peer = focused->getPeer();
    const bool windowFocused = peer != nullptr && peer->isFocused();
    return "focus\t" + className(*focused) + "\t" + boundsText(*focused) + "\t" + (name.isEmpty() ? "-" : name) + "\t"
           + (windowFocused ? "1" : "0") + "\t-\n";
}
} // namespace

WidgetLayoutWriter::WidgetLayoutWriter(juce::File layoutFile) : file(std::move(layoutFile))
{
    file.deleteFile();
    juce::Desktop::getInstance().addGlobalMouseListener(this);
    startTimer(100);
}

WidgetLayoutWriter::~WidgetLayoutWriter()
{
    stopTimer();
    juce::Desktop::getInstance().removeGlobalMouseListener(this);
    for (auto& l : listened)
        if (l.window != nullptr)
            l.window->removeKeyListener(this);
}

void WidgetLayoutWriter::sawPointerAt(const juce::MouseEvent& e)
{
    lastPointer = e.getScreenPosition();
}

WidgetLayoutWriter::ListenedWindow* WidgetLayoutWriter::findListened(juce::Component* window)
{
    for (auto& l : listened)
        if (l.window == window)
            return &l;
    return nullptr;
}

bool WidgetLayoutWriter::keyPressed(const juce::KeyPress&, juce::Component* window)
{
    if (auto* l = findListened(window))
        ++l->keys;
    return false;
}

void WidgetLayoutWriter::listenToWindows()
{
    // Gone windows first: a new window may have the address of a gone one.
    listened.erase(std::remove_if(listened.begin(), listened.end(), [](auto& l) { return l.window == nullptr; }), listened.end());
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
    {
        auto* window = desktop.getComponent(i);
        if (window == nullptr || findListened(window) != nullptr)
            continue;
        window->addKeyListener(this);
        listened.push_back({ window, 0, ++lastWindowId, juce::Time::getMillisecondCounter() });
    }
}

juce::String WidgetLayoutWriter::describeDesktop()
{
    juce::String out;
    auto& desktop = juce::Desktop::getInstance();
    auto* modal = juce::Component::getCurrentlyModalComponent();
    auto* modalWindow = modal != nullptr ? modal->getTopLevelComponent() : nullptr;
    for (int i = 0; i < desktop.getNumComponents(); ++i)
    {
        auto* window = desktop.getComponent(i);
        if (window == nullptr || ! window->isShowing())
            continue;
        const auto* peer = window->getPeer();
        const auto* l = findListened(window);
        out << "window\t" << window->getName().replaceCharacters("\t\n", "  ") << "\t" << boundsText(*window) << "\t"
            << (peer != nullptr && peer->isFocused() ? "1" : "0") << "\t" << (l != nullptr ? l->keys : 0) << "\t-\t"
            << (l != nullptr ? l->id : 0) << "\t" << (juce::int64)(l != nullptr ? l->listedAt : 0) << "\t"
            << (window == modalWindow ? "1" : "0") << "\n";
        describeChildren(*window, out);
    }
    const auto mouse = desktop.getMainMouseSource();
    auto* under = mouse.getComponentUnderMouse();
    const auto name = under != nullptr ? shownName(*under).replaceCharacters("\t\n", "  ") : juce::String();
    const auto* underWindow = under != nullptr ? findListened(under->getTopLevelComponent()) : nullptr;
    out << "pointer\t" << (name.isNotEmpty() ? name : juce::String("-")) << "\t"
        << (under != nullptr ? boundsText(*under) : juce::String("0\t0\t0\t0")) << "\t" << lastPointer.x << "," << lastPointer.y
        << "\t" << desktop.getMouseButtonClickCounter() << "\t" << (mouse.isDragging() ? "1" : "0") << "\t"
        << (underWindow != nullptr ? underWindow->id : 0) << "\n";
    return out + focusText();
}

void WidgetLayoutWriter::timerCallback()
{
    listenToWindows();
    const auto text = describeDesktop();
    if (text == written)
        return;
    if (replaceWhole(file, text))
        written = text;
}

bool WidgetLayoutWriter::replaceWhole(const juce::File& target, const juce::String& text)
{
    // Not File::moveFileTo: it removes the target before the rename, and a
    // reader in between would find no layout at all.
    const auto temporary = target.getSiblingFile(target.getFileName() + ".new");
    return temporary.replaceWithText(text)
           && std::rename(temporary.getFullPathName().toRawUTF8(), target.getFullPathName().toRawUTF8()) == 0;
}
