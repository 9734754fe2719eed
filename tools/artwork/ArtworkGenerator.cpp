// Draws every image of the manifest as a PNG of our own design.
//   rigsmith_artwork <manifest.tsv> <output folder>
// Lines of the manifest: name, width, height, kind, frames, label, size note
// (tab separated; lines starting with '#' are comments).
#include <juce_graphics/juce_graphics.h>

#include "Platform/PlatformFonts.h"

#include <cmath>
#include <iostream>

namespace
{
struct Entry
{
    juce::String name, kind, label;
    int width = 0, height = 0, frames = 1;
};

namespace Palette
{
const juce::Colour ink(0xFF1E2023);
const juce::Colour panel(0xFF33363B);
const juce::Colour panelLight(0xFF4A4E55);
const juce::Colour rim(0xFF8A9099);
const juce::Colour text(0xFFE4E4E4);
const juce::Colour dimText(0xFF9A9EA5);
const juce::Colour accent(0xFFE39B2D);
const juce::Colour accentLight(0xFFF5C46B);
} // namespace Palette

juce::Font font(float height, bool bold)
{
    return juce::Font(PlatformFonts::mapTypefaceName("Helvetica"), height, bold ? juce::Font::bold : juce::Font::plain);
}

// A colour of its own for each model family, from the picture's label.
juce::Colour tileColour(const juce::String& label)
{
    const auto hue = (float) (label.hashCode() & 0xFFFF) / 65535.0f;
    return juce::Colour::fromHSV(hue, 0.35f, 0.42f, 1.0f);
}

void drawFittedLabel(juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area, float maxHeight,
                     juce::Colour colour, bool bold = true)
{
    if (text.isEmpty() || area.isEmpty())
        return;
    auto f = font(juce::jmin(maxHeight, area.getHeight()), bold);
    const auto width = f.getStringWidthFloat(text);
    if (width > area.getWidth())
        f.setHorizontalScale(juce::jmax(0.6f, area.getWidth() / width));
    g.setFont(f);
    g.setColour(colour);
    g.drawFittedText(text, area.toNearestInt(), juce::Justification::centred, 2, 0.6f);
}

// --- knobs and switches -----------------------------------------------------

void drawKnobBody(juce::Graphics& g, juce::Rectangle<float> frame, juce::Colour cap)
{
    const auto body = frame.reduced(frame.getWidth() * 0.16f);
    g.setColour(juce::Colours::black.withAlpha(0.35f));
    g.fillEllipse(body.translated(0.0f, frame.getHeight() * 0.03f));
    juce::ColourGradient shade(cap.brighter(0.5f), body.getX(), body.getY(), cap.darker(0.6f), body.getRight(), body.getBottom(),
                               false);
    g.setGradientFill(shade);
    g.fillEllipse(body);
    g.setColour(Palette::rim);
    g.drawEllipse(body, juce::jmax(1.0f, frame.getWidth() / 40.0f));
}

void drawScale(juce::Graphics& g, juce::Rectangle<float> frame, int marks)
{
    const auto c = frame.getCentre();
    const auto outer = frame.getWidth() * 0.48f, inner = frame.getWidth() * 0.42f;
    g.setColour(Palette::dimText);
    for (int i = 0; i < marks; ++i)
    {
        const auto a = juce::degreesToRadians(-135.0f + 270.0f * (float) i / (float) (marks - 1));
        g.drawLine(c.x + inner * std::sin(a), c.y - inner * std::cos(a), c.x + outer * std::sin(a), c.y - outer * std::cos(a),
                   1.0f);
    }
}

void drawPointer(juce::Graphics& g, juce::Rectangle<float> frame, float angle, bool wedge)
{
    const auto c = frame.getCentre();
    const auto r = frame.getWidth() * 0.34f;
    juce::Path p;
    if (wedge)
    {
        // A pointed bar across the whole cap.
        p.startNewSubPath(0.0f, -r * 1.08f);
        p.lineTo(r * 0.22f, r * 0.6f);
        p.lineTo(-r * 0.22f, r * 0.6f);
        p.closeSubPath();
        g.setColour(Palette::ink);
        g.fillPath(p, juce::AffineTransform::rotation(angle).translated(c));
        g.setColour(Palette::accentLight);
        g.fillEllipse(juce::Rectangle<float>(r * 0.18f, r * 0.18f)
                          .withCentre(c + juce::Point<float>(r * 0.8f * std::sin(angle), -r * 0.8f * std::cos(angle))));
        return;
    }
    p.addRoundedRectangle(-r * 0.08f, -r, r * 0.16f, r * 0.55f, r * 0.06f);
    g.setColour(Palette::accentLight);
    g.fillPath(p, juce::AffineTransform::rotation(angle).translated(c));
}

void drawKnobStrip(juce::Graphics& g, const Entry& e)
{
    const auto frameHeight = (float) e.height / (float) e.frames;
    const auto chicken = e.name.containsIgnoreCase("chiken");
    const auto cap = e.name.contains("OrvaKX")   ? juce::Colour(0xFF3B3126)
                     : e.name.contains("OrvaPW") ? juce::Colour(0xFF26303B)
                     : e.name.contains("HMQ")    ? juce::Colour(0xFF2C352C)
                                                 : juce::Colour(0xFF3A3A3A);
    for (int k = 0; k < e.frames; ++k)
    {
        const juce::Rectangle<float> frame(0.0f, frameHeight * (float) k, (float) e.width, frameHeight);
        drawScale(g, frame, 11);
        drawKnobBody(g, frame, cap);
        const auto angle = juce::degreesToRadians(-135.0f + 270.0f * (float) k / (float) juce::jmax(1, e.frames - 1));
        drawPointer(g, frame, angle, chicken);
    }
}

void drawRotarySwitchFrame(juce::Graphics& g, juce::Rectangle<float> frame, int position, int positions)
{
    const auto c = frame.getCentre();
    const auto span = positions > 3 ? 240.0f : 120.0f;
    const auto angleOf = [&](int i) { return juce::degreesToRadians(-span / 2 + span * (float) i / (float) (positions - 1)); };
    const auto dotRadius = frame.getWidth() * 0.45f;
    for (int i = 0; i < positions; ++i)
    {
        const auto a = angleOf(i);
        const auto dot =
            juce::Rectangle<float>(5.0f, 5.0f).withCentre({ c.x + dotRadius * std::sin(a), c.y - dotRadius * std::cos(a) });
        g.setColour(i == position ? Palette::accent : Palette::panelLight);
        g.fillEllipse(dot);
    }
    drawKnobBody(g, frame, juce::Colour(0xFF303236));
    drawPointer(g, frame, angleOf(position), true);
}

void drawSlideSwitchFrame(juce::Graphics& g, juce::Rectangle<float> frame, int position, int positions)
{
    const auto track = frame.reduced(3.0f, frame.getHeight() * 0.22f);
    g.setColour(Palette::ink);
    g.fillRoundedRectangle(track, track.getHeight() / 2);
    g.setColour(Palette::rim);
    g.drawRoundedRectangle(track, track.getHeight() / 2, 1.0f);
    const auto thumbWidth = track.getWidth() / (float) juce::jmax(2, positions);
    const auto thumb =
        juce::Rectangle<float>(track.getX() + thumbWidth * (float) position, track.getY(), thumbWidth, track.getHeight())
            .reduced(1.5f);
    const auto lit = position > 0;
    g.setColour(lit ? Palette::accent : Palette::panelLight);
    g.fillRoundedRectangle(thumb, thumb.getHeight() / 2);
    g.setColour(lit ? Palette::accentLight : Palette::rim);
    g.drawRoundedRectangle(thumb, thumb.getHeight() / 2, 1.0f);
}

void drawSwitchStrip(juce::Graphics& g, const Entry& e)
{
    const auto frameHeight = (float) e.height / (float) e.frames;
    const auto rotary = e.width == (int) frameHeight && e.width >= 54;
    for (int k = 0; k < e.frames; ++k)
    {
        const juce::Rectangle<float> frame(0.0f, frameHeight * (float) k, (float) e.width, frameHeight);
        if (rotary)
            drawRotarySwitchFrame(g, frame, k, e.frames);
        else
            drawSlideSwitchFrame(g, frame, k, e.frames);
    }
}

// --- pictures -----------------------------------------------------------------

// Amp and effect pictures print no name of their own: the picker, the catalogue
// cell or the program button draws the type name, and one picture serves
// several names. Where those names fall the picture is plain (its colour
// changes only from top to bottom): the upper part of every picture, where the
// pickers write, and the foot of an amp, where a catalogue cell of the
// picture's height writes. The label only picks the picture's colour.
constexpr float ampPlateShare = 0.53f;
constexpr float ampFootShare = 0.80f;
constexpr float effectPlateShare = 0.44f;

void drawAmpTile(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height).reduced(2.0f);
    const auto colour = tileColour(e.label);
    g.setGradientFill(juce::ColourGradient(colour, 0, bounds.getY(), colour.darker(0.6f), 0, bounds.getBottom(), false));
    g.fillRoundedRectangle(bounds, 6.0f);
    const auto inset = bounds.getWidth() * 0.08f;
    const auto rowOf = [&](float from, float to) {
        return juce::Rectangle<float>(bounds.getX() + inset, bounds.getY() + bounds.getHeight() * from,
                                      bounds.getWidth() - 2 * inset, bounds.getHeight() * (to - from));
    };
    // A thin piping under the plate.
    g.setColour(Palette::accentLight.withAlpha(0.45f));
    g.fillRect(rowOf(ampPlateShare, ampPlateShare).withHeight(1.0f).translated(0.0f, 1.0f));
    // The control row under the plate: six small knobs.
    const auto strip = rowOf(ampPlateShare + 0.03f, ampPlateShare + 0.13f);
    g.setColour(Palette::accentLight.withAlpha(0.8f));
    const auto knob = juce::jmax(2.0f, strip.getHeight() * 0.8f);
    for (int i = 0; i < 6; ++i)
        g.fillEllipse(juce::Rectangle<float>(knob, knob)
                          .withCentre({ strip.getX() + strip.getWidth() * (0.22f + 0.11f * (float) i), strip.getCentreY() }));
    // The grille: a darker inset with a fine weave, above the plain foot.
    const auto grille = rowOf(ampPlateShare + 0.15f, ampFootShare - 0.01f);
    g.setColour(Palette::ink.withAlpha(0.75f));
    g.fillRoundedRectangle(grille, 3.0f);
    g.setColour(colour.brighter(0.2f).withAlpha(0.18f));
    for (auto x = grille.getX() + 3.0f; x < grille.getRight(); x += 4.0f)
        g.drawVerticalLine((int) x, grille.getY(), grille.getBottom());
    g.setColour(Palette::rim);
    g.drawRoundedRectangle(bounds, 6.0f, 1.5f);
}

void drawEffectTile(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height).reduced(e.width * 0.06f, 2.0f);
    const auto colour = tileColour(e.label).brighter(0.2f);
    g.setGradientFill(juce::ColourGradient(colour, 0, bounds.getY(), colour.darker(0.5f), 0, bounds.getBottom(), false));
    g.fillRoundedRectangle(bounds, 5.0f);
    g.setColour(Palette::rim);
    g.drawRoundedRectangle(bounds, 5.0f, 1.5f);
    // Two knobs under the plate, a foot switch at the bottom.
    const auto knob = bounds.getWidth() * 0.2f;
    const auto knobY = bounds.getY() + bounds.getHeight() * effectPlateShare + knob * 0.5f + 3.0f;
    g.setColour(Palette::ink);
    for (auto fx : { 0.3f, 0.7f })
        g.fillEllipse(juce::Rectangle<float>(knob, knob).withCentre({ bounds.getX() + bounds.getWidth() * fx, knobY }));
    const auto foot = bounds.getWidth() * 0.26f;
    const auto footArea =
        juce::Rectangle<float>(foot, foot).withCentre({ bounds.getCentreX(), bounds.getBottom() - foot * 0.7f });
    g.setColour(Palette::panelLight);
    g.fillEllipse(footArea);
    g.setColour(Palette::rim);
    g.drawEllipse(footArea, 1.0f);
}

// The "custom" overlay: a ribbon in the top-right corner, the rest transparent.
void drawCustomOverlay(juce::Graphics& g, const Entry& e)
{
    const auto w = (float) e.width;
    const auto band = juce::jmax(12.0f, (float) e.height * 0.12f);
    const auto ribbon = juce::Rectangle<float>(w * 0.5f, band).withPosition(w * 0.5f - 4.0f, 4.0f);
    g.setColour(Palette::accent.withAlpha(0.92f));
    g.fillRoundedRectangle(ribbon, band / 3);
    drawFittedLabel(g, e.label, ribbon.reduced(2.0f), band * 0.8f, Palette::ink);
}

void drawDevice(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height).reduced(4.0f);
    const auto cabinet = bounds.withTrimmedTop(bounds.getHeight() * 0.1f);
    g.setGradientFill(juce::ColourGradient(Palette::panelLight, 0, cabinet.getY(), Palette::ink, 0, cabinet.getBottom(), false));
    g.fillRoundedRectangle(cabinet, 8.0f);
    g.setColour(Palette::rim);
    g.drawRoundedRectangle(cabinet, 8.0f, 1.5f);
    // Handle, control row and grille.
    g.setColour(Palette::rim);
    g.fillRoundedRectangle(juce::Rectangle<float>(cabinet.getWidth() * 0.3f, bounds.getHeight() * 0.08f)
                               .withCentre({ bounds.getCentreX(), cabinet.getY() - 2.0f }),
                           3.0f);
    const auto controls = cabinet.withHeight(cabinet.getHeight() * 0.25f).reduced(cabinet.getWidth() * 0.08f, 3.0f);
    g.setColour(Palette::accent);
    const auto knob = controls.getHeight() * 0.55f;
    for (int i = 0; i < 5; ++i)
        g.fillEllipse(
            juce::Rectangle<float>(knob, knob)
                .withCentre({ controls.getX() + controls.getWidth() * (0.1f + 0.2f * (float) i), controls.getCentreY() }));
    const auto grille =
        cabinet.withTrimmedTop(cabinet.getHeight() * 0.3f).reduced(cabinet.getWidth() * 0.06f, cabinet.getHeight() * 0.08f);
    g.setColour(Palette::ink);
    g.fillRoundedRectangle(grille, 4.0f);
    drawFittedLabel(g, e.label, grille.reduced(4.0f), grille.getHeight() * 0.5f, Palette::text);
}

void drawBadge(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height).reduced(1.0f);
    const auto radius = juce::jmin(bounds.getWidth(), bounds.getHeight()) * 0.25f;
    g.setColour(Palette::panel);
    g.fillRoundedRectangle(bounds, radius);
    g.setColour(Palette::accent);
    g.drawRoundedRectangle(bounds, radius, 1.0f);
    auto area = bounds.reduced(2.0f);
    const auto vertical = e.height > e.width * 2;
    if (vertical)
    {
        // A tall badge: the label turned to read upwards.
        juce::Graphics::ScopedSaveState state(g);
        g.addTransform(
            juce::AffineTransform::rotation(-juce::MathConstants<float>::halfPi, bounds.getCentreX(), bounds.getCentreY()));
        area = juce::Rectangle<float>(area.getHeight(), area.getWidth()).withCentre(area.getCentre());
        drawFittedLabel(g, e.label, area, area.getHeight() * 0.75f, Palette::text);
        return;
    }
    drawFittedLabel(g, e.label, area, area.getHeight() * 0.75f, Palette::text);
}

void drawLamp(juce::Graphics& g, const Entry& e)
{
    // A lit lamp: a bright dot with a darker rim.
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height).reduced(1.0f);
    g.setGradientFill(juce::ColourGradient(Palette::accentLight, bounds.getCentreX(), bounds.getCentreY(), Palette::accent,
                                           bounds.getRight(), bounds.getBottom(), true));
    g.fillEllipse(bounds);
    g.setColour(Palette::ink);
    g.drawEllipse(bounds, 1.0f);
}

void drawBackground(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height);
    g.setGradientFill(juce::ColourGradient(Palette::panel, 0, 0, Palette::ink, 0, bounds.getBottom(), false));
    g.fillRect(bounds);
    g.setColour(juce::Colours::white.withAlpha(0.035f));
    for (int x = 0; x < e.width; x += 16)
        g.drawVerticalLine(x, 0.0f, bounds.getBottom());
    for (int y = 0; y < e.height; y += 16)
        g.drawHorizontalLine(y, 0.0f, bounds.getRight());
    if (e.label.isEmpty())
        return;
    // A diagram page: three boxes joined by arrows under its title.
    const auto body = bounds.reduced(16.0f).withTrimmedTop(24.0f);
    drawFittedLabel(g, e.label, bounds.reduced(8.0f).withHeight(20.0f), 14.0f, Palette::dimText);
    const auto boxWidth = body.getWidth() / 5;
    for (int i = 0; i < 3; ++i)
    {
        const auto box = juce::Rectangle<float>(boxWidth, body.getHeight() * 0.4f)
                             .withCentre({ body.getX() + body.getWidth() * (0.15f + 0.35f * (float) i), body.getCentreY() });
        g.setColour(Palette::rim);
        g.drawRoundedRectangle(box, 4.0f, 1.5f);
        if (i < 2)
            g.drawArrow({ box.getRight() + 4.0f, box.getCentreY(), box.getRight() + body.getWidth() * 0.35f - boxWidth - 4.0f,
                          box.getCentreY() },
                        1.5f, 8.0f, 8.0f);
    }
}

void drawBar(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height);
    if (e.name.startsWith("cable"))
    {
        // A patch cable lying across the page.
        juce::Path cable;
        cable.startNewSubPath(0.0f, bounds.getHeight() * 0.3f);
        cable.cubicTo(bounds.getWidth() * 0.3f, bounds.getHeight() * 1.1f, bounds.getWidth() * 0.6f, -bounds.getHeight() * 0.3f,
                      bounds.getWidth(), bounds.getHeight() * 0.6f);
        g.setColour(juce::Colours::black.withAlpha(0.5f));
        g.strokePath(cable, juce::PathStrokeType(7.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded),
                     juce::AffineTransform::translation(0.0f, 3.0f));
        g.setColour(Palette::panelLight);
        g.strokePath(cable, juce::PathStrokeType(6.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
        g.setColour(Palette::rim.withAlpha(0.6f));
        g.strokePath(cable, juce::PathStrokeType(1.5f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded),
                     juce::AffineTransform::translation(0.0f, -1.5f));
        return;
    }
    g.setGradientFill(juce::ColourGradient(Palette::panelLight, 0, 0, Palette::ink, 0, bounds.getBottom(), false));
    g.fillRect(bounds);
    g.setColour(Palette::accent);
    g.fillRect(bounds.withTop(bounds.getBottom() - 2.0f));
}

void drawLogo(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height);
    g.setFont(font(bounds.getHeight() * 0.85f, true));
    g.setColour(e.name.endsWith("g") ? Palette::dimText : Palette::text);
    g.drawFittedText(e.label, bounds.toNearestInt(), juce::Justification::centred, 1, 0.7f);
}

// The about page's picture: the product name over the page's background;
// the page writes its version and connection lines below it.
void drawAbout(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height);
    g.setGradientFill(juce::ColourGradient(Palette::panelLight, 0, 0, Palette::ink, 0, bounds.getBottom(), false));
    g.fillRect(bounds);
    const auto title = bounds.reduced(16.0f).withHeight(52.0f);
    g.setFont(font(44.0f, true));
    g.setColour(Palette::text);
    g.drawText(e.label, title, juce::Justification::centredLeft, false);
    g.setColour(Palette::accent);
    g.fillRect(title.getX(), title.getBottom() + 6.0f, title.getWidth(), 2.0f);
    g.setFont(font(13.0f, false));
    g.setColour(Palette::dimText);
    g.drawText("Editor and librarian", title.withY(title.getBottom() - 14.0f).withHeight(14.0f),
               juce::Justification::centredRight, false);
    g.setColour(Palette::rim.withAlpha(0.5f));
    g.drawRect(bounds, 1.0f);
}

// --- buttons --------------------------------------------------------------------

void drawButtonGlyph(juce::Graphics& g, const juce::String& glyph, juce::Rectangle<float> area, juce::Colour colour)
{
    const auto stroke = juce::jmax(1.5f, area.getWidth() / 12.0f);
    const juce::PathStrokeType pen(stroke, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);
    const auto c = area.getCentre();
    const auto r = area.getWidth() / 2;
    juce::Path p;
    if (glyph == "power")
    {
        p.addCentredArc(c.x, c.y, r * 0.7f, r * 0.7f, 0.0f, 0.6f, juce::MathConstants<float>::twoPi - 0.6f, true);
        p.startNewSubPath(c.x, c.y - r * 0.95f);
        p.lineTo(c.x, c.y - r * 0.1f);
    }
    else if (glyph == "menu")
    {
        for (auto dy : { -0.5f, 0.0f, 0.5f })
        {
            p.startNewSubPath(c.x - r * 0.8f, c.y + r * dy);
            p.lineTo(c.x + r * 0.8f, c.y + r * dy);
        }
    }
    else if (glyph == "help")
    {
        g.setColour(colour);
        g.drawEllipse(area.reduced(stroke / 2), stroke);
        g.setFont(font(area.getHeight() * 0.75f, true));
        g.drawText("?", area, juce::Justification::centred);
        return;
    }
    else if (glyph == "open")
    {
        p.startNewSubPath(c.x - r * 0.9f, c.y + r * 0.7f);
        p.lineTo(c.x - r * 0.9f, c.y - r * 0.6f);
        p.lineTo(c.x - r * 0.3f, c.y - r * 0.6f);
        p.lineTo(c.x - r * 0.1f, c.y - r * 0.4f);
        p.lineTo(c.x + r * 0.7f, c.y - r * 0.4f);
        p.lineTo(c.x + r * 0.7f, c.y + r * 0.7f);
        p.closeSubPath();
    }
    else if (glyph == "save" || glyph == "load" || glyph == "write")
    {
        // A tray with an arrow going into it (save, write) or out of it (load).
        p.startNewSubPath(c.x - r * 0.8f, c.y + r * 0.2f);
        p.lineTo(c.x - r * 0.8f, c.y + r * 0.8f);
        p.lineTo(c.x + r * 0.8f, c.y + r * 0.8f);
        p.lineTo(c.x + r * 0.8f, c.y + r * 0.2f);
        const auto down = glyph != "load";
        const auto tipY = down ? c.y + r * 0.4f : c.y - r * 0.85f;
        const auto tailY = down ? c.y - r * 0.85f : c.y + r * 0.4f;
        const auto head = down ? -r * 0.35f : r * 0.35f;
        p.startNewSubPath(c.x, tailY);
        p.lineTo(c.x, tipY);
        p.startNewSubPath(c.x - r * 0.35f, tipY + head);
        p.lineTo(c.x, tipY);
        p.lineTo(c.x + r * 0.35f, tipY + head);
    }
    else if (glyph == "plus" || glyph == "close")
    {
        const auto k = r * 0.6f;
        if (glyph == "plus")
        {
            p.startNewSubPath(c.x - k, c.y);
            p.lineTo(c.x + k, c.y);
            p.startNewSubPath(c.x, c.y - k);
            p.lineTo(c.x, c.y + k);
        }
        else
        {
            p.startNewSubPath(c.x - k, c.y - k);
            p.lineTo(c.x + k, c.y + k);
            p.startNewSubPath(c.x + k, c.y - k);
            p.lineTo(c.x - k, c.y + k);
        }
    }
    else if (glyph == "bluetooth")
    {
        // A wireless mark: a dot with two arcs.
        g.setColour(colour);
        g.fillEllipse(juce::Rectangle<float>(r * 0.3f, r * 0.3f).withCentre({ c.x - r * 0.5f, c.y }));
        for (auto k : { 0.55f, 0.95f })
            p.addCentredArc(c.x - r * 0.5f, c.y, r * k, r * k, 0.0f, 0.35f, juce::MathConstants<float>::pi - 0.35f, true);
    }
    g.setColour(colour);
    g.strokePath(p, pen);
}

void drawButton(juce::Graphics& g, const Entry& e)
{
    const auto bounds = juce::Rectangle<float>((float) e.width, (float) e.height);
    const auto side = juce::jmin(bounds.getWidth(), bounds.getHeight());
    auto glyphArea = juce::Rectangle<float>(side, side).withCentre(bounds.getCentre()).reduced(side * 0.14f);
    // "o" names and lit power states use the accent colour; the rest are white.
    const auto lit = e.name.endsWith("o") || e.name.contains("ON") || e.name.contains("Over");
    auto colour = lit ? Palette::accent : juce::Colour(0xFFF2F2F2);
    if (e.name.contains("Over"))
        colour = Palette::accentLight;
    if (e.label == "power")
    {
        g.setColour(Palette::ink);
        g.fillEllipse(glyphArea.expanded(side * 0.1f));
        g.setColour(Palette::rim);
        g.drawEllipse(glyphArea.expanded(side * 0.1f), 1.0f);
        if (e.name.contains("OFF"))
            colour = Palette::dimText;
        glyphArea = glyphArea.reduced(side * 0.1f);
    }
    else if (e.label == "close" || e.label == "plus")
    {
        g.setColour(Palette::panelLight);
        g.fillEllipse(glyphArea.expanded(side * 0.1f));
        colour = Palette::text;
    }
    drawButtonGlyph(g, e.label, glyphArea, colour);
}

void draw(juce::Graphics& g, const Entry& e)
{
    if (e.kind == "knob")
        drawKnobStrip(g, e);
    else if (e.kind == "switch")
        drawSwitchStrip(g, e);
    else if ((e.kind == "amp" || e.kind == "effect") && e.label == "CUSTOM")
        drawCustomOverlay(g, e);
    else if (e.kind == "amp")
        drawAmpTile(g, e);
    else if (e.kind == "effect")
        drawEffectTile(g, e);
    else if (e.kind == "device")
        drawDevice(g, e);
    else if (e.kind == "badge")
        drawBadge(g, e);
    else if (e.kind == "lamp")
        drawLamp(g, e);
    else if (e.kind == "background")
        drawBackground(g, e);
    else if (e.kind == "bar")
        drawBar(g, e);
    else if (e.kind == "logo")
        drawLogo(g, e);
    else if (e.kind == "about")
        drawAbout(g, e);
    else if (e.kind == "button")
        drawButton(g, e);
    // "blank": left transparent.
}

bool parse(const juce::String& line, Entry& e)
{
    const auto fields = juce::StringArray::fromTokens(line, "\t", "");
    if (fields.size() < 6)
        return false;
    e.name = fields[0];
    e.width = fields[1].getIntValue();
    e.height = fields[2].getIntValue();
    e.kind = fields[3];
    e.frames = juce::jmax(1, fields[4].getIntValue());
    e.label = fields[5];
    return e.name.isNotEmpty() && e.width > 0 && e.height > 0;
}
} // namespace

int run(int argc, char* argv[]);

int main(int argc, char* argv[])
{
    const auto result = run(argc, argv);
    // The font caches are the framework's shutdown-deleted singletons.
    juce::DeletedAtShutdown::deleteAll();
    return result;
}

int run(int argc, char* argv[])
{
    if (argc != 3)
    {
        std::cerr << "usage: rigsmith_artwork <manifest.tsv> <output folder>\n";
        return 2;
    }
    const juce::File manifest(juce::File::getCurrentWorkingDirectory().getChildFile(argv[1]));
    const juce::File folder(juce::File::getCurrentWorkingDirectory().getChildFile(argv[2]));
    juce::StringArray lines;
    manifest.readLines(lines);
    if (lines.isEmpty() || ! folder.createDirectory())
    {
        std::cerr << "rigsmith_artwork: cannot read " << argv[1] << " or create " << argv[2] << "\n";
        return 1;
    }

    int written = 0;
    for (const auto& line : lines)
    {
        if (line.trim().isEmpty() || line.startsWithChar('#'))
            continue;
        Entry e;
        if (! parse(line, e))
        {
            std::cerr << "rigsmith_artwork: bad manifest line: " << line << "\n";
            return 1;
        }
        juce::Image image(juce::Image::ARGB, e.width, e.height, true);
        {
            juce::Graphics g(image);
            draw(g, e);
        }
        const auto file = folder.getChildFile(e.name + ".png");
        file.deleteFile();
        juce::FileOutputStream out(file);
        if (! out.openedOk() || ! juce::PNGImageFormat().writeImageToStream(image, out))
        {
            std::cerr << "rigsmith_artwork: cannot write " << file.getFullPathName() << "\n";
            return 1;
        }
        ++written;
    }
    std::cout << "rigsmith_artwork: " << written << " images in " << folder.getFullPathName() << "\n";
    return 0;
}
