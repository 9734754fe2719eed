#pragma once

// The HMQ editor page booted against a simulated HMQ, and the mouse and key
// gestures the page tests make on its real widgets.
#include "GUI/Catalog/HMQCatalogComponent.h"
#include "GUI/HMQ/CHMQEditorLibrarianComponent.h"
#include "GUI/HMQ/HMQEditParamComponent.h"
#include "GUI/HMQ/HMQEditorComponent.h"
#include "GUI/HMQ/HMQValueParamBaseComponent.h"
#include "GUI/Widgets/RSKnob.h"
#include "HMQ/HMQDataCenter.h"
#include "support/BootedHostFixture.h"

namespace testing_support
{
inline juce::MouseEvent mouseEventAt(juce::Component& c, juce::Point<float> pos, juce::Point<float> downPos, bool dragged,
                                     juce::ModifierKeys mods = juce::ModifierKeys::leftButtonModifier)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), pos, mods, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, &c, &c,
                            now, downPos, now, 1, dragged);
}

// A press and release at one point.
inline void clickOn(juce::Component& c, juce::Point<float> pos = { 5.0f, 5.0f })
{
    auto& asComponent = static_cast<juce::Component&>(c);
    asComponent.mouseDown(mouseEventAt(c, pos, pos, false));
    asComponent.mouseUp(mouseEventAt(c, pos, pos, false, {}));
}

// A vertical drag of dy pixels (negative: up) from the middle.
inline void dragVertically(juce::Component& c, float dy)
{
    const auto start = c.getLocalBounds().getCentre().toFloat();
    c.mouseDown(mouseEventAt(c, start, start, false));
    c.mouseDrag(mouseEventAt(c, start.translated(0.0f, dy), start, true));
    c.mouseUp(mouseEventAt(c, start.translated(0.0f, dy), start, true, {}));
}

// The parameter changes (function 0x41) the amplifier received, as
// {id, value}.
inline std::vector<std::pair<int, int>> paramChangesOf(const SimulatedAmplifier& amp)
{
    std::vector<std::pair<int, int>> out;
    for (const auto& r : requestsOf(amp))
        if (r.size() == 5 && r[0] == 0x41)
            out.push_back({ (r[1] << 8) | r[2], r[3] | (r[4] << 7) });
    return out;
}

// The first descendant of a kind whose "PARAMID" is the id.
template <typename Widget>
Widget* findWidget(juce::Component& root, int paramId)
{
    for (auto* child : root.getChildren())
    {
        if (auto* w = dynamic_cast<Widget*>(child))
            if ((int) child->getProperties().getWithDefault("PARAMID", -1) == paramId)
                return w;
        if (auto* found = findWidget<Widget>(*child, paramId))
            return found;
    }
    return nullptr;
}

// Every descendant of a kind.
template <typename Widget>
void collectWidgets(juce::Component& root, std::vector<Widget*>& out)
{
    for (auto* child : root.getChildren())
    {
        if (auto* w = dynamic_cast<Widget*>(child))
            out.push_back(w);
        collectWidgets<Widget>(*child, out);
    }
}
} // namespace testing_support
