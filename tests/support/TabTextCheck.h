#pragma once

// Whether the tabs of a bar can be read: each tab shown, its whole text drawn
// in the colour its panel gives the front tab or the back tabs, at least 8
// pixels high, inside its own tab with a margin, clear of the tab's extra
// component (the close cross), and apart from its neighbours' texts.
#include "support/PaintRecorder.h"

#include <gtest/gtest.h>

namespace testing_support
{
// The box of the tab's text ink in the tab's own coordinates (empty when
// nothing was drawn), after checking it.
inline juce::Rectangle<float> checkTabText(juce::TabBarButton& tab, juce::Colour expected)
{
    SCOPED_TRACE(("tab \"" + tab.getButtonText() + "\"").toStdString());
    juce::Image image;
    const auto recorder = recordPainting(tab, image);
    EXPECT_FALSE(recorder->glyphs.empty());
    if (recorder->glyphs.empty())
        return {};
    // Whole: one glyph for each character but the blanks, none cut off
    // behind an ellipsis.
    EXPECT_EQ((int) recorder->glyphs.size(), tab.getButtonText().removeCharacters(" ").length());
    for (const auto& glyph : recorder->glyphs)
    {
        EXPECT_EQ(glyph.colour.getARGB(), expected.getARGB());
        EXPECT_GE(glyph.font.getHeight(), 8.0f);
    }

    constexpr float margin = 2.0f;
    const auto ink = recorder->inkBounds();
    const auto area = tab.getTextArea().toFloat();
    const auto room = tab.getTabbedButtonBar().isVertical() ? area.reduced(0.0f, margin) : area.reduced(margin, 0.0f);
    EXPECT_TRUE(room.contains(ink)) << "ink " << ink.toString() << " room " << room.toString();
    if (auto* extra = tab.getExtraComponent())
        EXPECT_FALSE(ink.expanded(margin).intersects(extra->getBounds().toFloat()))
            << "ink " << ink.toString() << " extra " << extra->getBounds().toString();
    return ink;
}

inline void expectReadableTabs(juce::TabbedButtonBar& bar, juce::Colour front, juce::Colour back)
{
    juce::Rectangle<float> previous;
    for (int i = 0; i < bar.getNumTabs(); ++i)
    {
        auto* tab = bar.getTabButton(i);
        ASSERT_NE(tab, nullptr);
        // A tab that does not fit would be hidden behind the bar's menu.
        EXPECT_TRUE(tab->isVisible()) << "tab " << i;
        if (! tab->isVisible())
            continue;
        const auto ink =
            checkTabText(*tab, tab->isFrontTab() ? front : back).translated((float) tab->getX(), (float) tab->getY());
        if (! previous.isEmpty() && ! ink.isEmpty())
        {
            const float gap = bar.isVertical() ? ink.getY() - previous.getBottom() : ink.getX() - previous.getRight();
            EXPECT_GE(gap, 4.0f) << "between tab " << i - 1 << " and tab " << i;
        }
        previous = ink;
    }
}
} // namespace testing_support
