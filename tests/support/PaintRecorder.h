#pragma once

// A software renderer that also notes what was drawn where: each visible
// glyph with the box its ink covers, the colour and the font it was drawn in,
// and each visible filled path with its bounds and colour, all in the image's
// coordinates. Whatever is drawn fully transparent is left out.
// Tests ask it where text and shapes landed instead of reading pixels.
#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace testing_support
{
class PaintRecorder : public juce::LowLevelGraphicsSoftwareRenderer
{
public:
    struct Glyph
    {
        juce::Rectangle<float> ink;
        juce::Point<float> origin; // on the baseline
        juce::Colour colour;
        juce::Font font;
    };

    struct Shape
    {
        juce::Rectangle<float> bounds;
        juce::Colour colour;
    };

    explicit PaintRecorder(const juce::Image& target) : juce::LowLevelGraphicsSoftwareRenderer(target) {}

    std::vector<Glyph> glyphs;
    std::vector<Shape> shapes;

    // The glyphs whose baseline lies within `tolerance` of y, left to right.
    std::vector<Glyph> glyphsOnBaseline(float y, float tolerance = 1.5f) const
    {
        std::vector<Glyph> line;
        for (const auto& glyph : glyphs)
            if (std::abs(glyph.origin.y - y) <= tolerance)
                line.push_back(glyph);
        std::sort(line.begin(), line.end(), [](const Glyph& a, const Glyph& b) { return a.ink.getX() < b.ink.getX(); });
        return line;
    }

    // The box around every glyph's ink, empty when none was drawn.
    juce::Rectangle<float> inkBounds() const
    {
        juce::Rectangle<float> all;
        for (const auto& glyph : glyphs)
            all = all.isEmpty() ? glyph.ink : all.getUnion(glyph.ink);
        return all;
    }

    void setOrigin(juce::Point<int> o) override
    {
        state.transform = juce::AffineTransform::translation(o.toFloat()).followedBy(state.transform);
        LowLevelGraphicsSoftwareRenderer::setOrigin(o);
    }
    void addTransform(const juce::AffineTransform& t) override
    {
        state.transform = t.followedBy(state.transform);
        LowLevelGraphicsSoftwareRenderer::addTransform(t);
    }
    void saveState() override
    {
        saved.push_back(state);
        LowLevelGraphicsSoftwareRenderer::saveState();
    }
    void restoreState() override
    {
        if (! saved.empty())
        {
            state = saved.back();
            saved.pop_back();
        }
        LowLevelGraphicsSoftwareRenderer::restoreState();
    }
    void beginTransparencyLayer(float opacity) override
    {
        saved.push_back(state);
        LowLevelGraphicsSoftwareRenderer::beginTransparencyLayer(opacity);
    }
    void endTransparencyLayer() override
    {
        if (! saved.empty())
        {
            state = saved.back();
            saved.pop_back();
        }
        LowLevelGraphicsSoftwareRenderer::endTransparencyLayer();
    }
    void setFill(const juce::FillType& fill) override
    {
        state.colour = fill.isColour() ? fill.colour : fill.colour.withAlpha(fill.getOpacity());
        LowLevelGraphicsSoftwareRenderer::setFill(fill);
    }
    void setFont(const juce::Font& font) override
    {
        state.font = font;
        LowLevelGraphicsSoftwareRenderer::setFont(font);
    }
    void fillPath(const juce::Path& path, const juce::AffineTransform& t) override
    {
        if (! state.colour.isTransparent())
            shapes.push_back({ path.getBoundsTransformed(t.followedBy(state.transform)), state.colour });
        LowLevelGraphicsSoftwareRenderer::fillPath(path, t);
    }
    void drawGlyph(int glyphNumber, const juce::AffineTransform& t) override
    {
        juce::Path outline;
        if (auto typeface = state.font.getTypefacePtr())
            typeface->getOutlineForGlyph(glyphNumber, outline);
        const auto h = state.font.getHeight();
        const auto toDevice = t.followedBy(state.transform);
        const auto ink = outline.getBoundsTransformed(
            juce::AffineTransform::scale(h * state.font.getHorizontalScale(), h).followedBy(toDevice));
        float x = 0.0f, y = 0.0f;
        toDevice.transformPoint(x, y);
        if (! state.colour.isTransparent())
            glyphs.push_back({ ink, { x, y }, state.colour, state.font });
        LowLevelGraphicsSoftwareRenderer::drawGlyph(glyphNumber, t);
    }

private:
    struct State
    {
        juce::AffineTransform transform;
        juce::Colour colour { juce::Colours::black };
        juce::Font font;
    };
    State state;
    std::vector<State> saved;
};

// Paints a component and its children into an image of its size through a
// recorder, which is returned for questions about what was drawn.
inline std::unique_ptr<PaintRecorder> recordPainting(juce::Component& component, juce::Image& image)
{
    image = juce::Image(juce::Image::ARGB, juce::jmax(1, component.getWidth()), juce::jmax(1, component.getHeight()), true);
    auto recorder = std::make_unique<PaintRecorder>(image);
    juce::Graphics g(*recorder);
    component.paintEntireComponent(g, true);
    return recorder;
}
} // namespace testing_support
