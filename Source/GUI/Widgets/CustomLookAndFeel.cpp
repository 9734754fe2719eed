#include "GUI/Widgets/CustomLookAndFeel.h"

#include "GUI/Widgets/RSWidgetSupport.h"

#include "GUI/Widgets/FontLibrary.h"

CustomLookAndFeel::CustomLookAndFeel()
{
    setColour(juce::PopupMenu::backgroundColourId, juce::Colour(0xFF4F4F4F));
    setColour(juce::PopupMenu::textColourId, juce::Colour(0xFFD4D4D4));
    setColour(juce::PopupMenu::highlightedBackgroundColourId, juce::Colour(0xFFFFAC00));
    setColour(juce::PopupMenu::highlightedTextColourId, juce::Colour(0xFF4F4F4F));
    setColour(juce::TooltipWindow::backgroundColourId, juce::Colour(0xFF4F4F4F));
    setColour(juce::TooltipWindow::textColourId, juce::Colour(0xFFFFAC00));
    setColour(juce::TooltipWindow::outlineColourId, juce::Colour(0xFFFFAC00));
}

int CustomLookAndFeel::getDefaultScrollbarWidth()
{
    return 12;
}

juce::AttributedString CustomLookAndFeel::createFileChooserHeaderText(const juce::String& title, const juce::String& instructions)
{
    const auto colour = findColour(juce::FileChooserDialogBox::titleTextColourId);
    juce::AttributedString text;
    text.setJustification(juce::Justification::centred);
    text.append(title + "\n", juce::Font(16.0f, juce::Font::bold), colour);
    text.append(instructions, juce::Font(12.0f), colour);
    return text;
}

juce::Button* CustomLookAndFeel::createFileBrowserGoUpButton()
{
    auto* button = new juce::DrawableButton("up", juce::DrawableButton::ImageOnButtonBackground);
    juce::Path arrow;
    arrow.addArrow({ 50.0f, 100.0f, 50.0f, 0.0f }, 60.0f, 120.0f, 50.0f);
    juce::DrawablePath image;
    image.setFill(juce::Colours::black);
    image.setPath(arrow);
    button->setImages(&image);
    return button;
}

void CustomLookAndFeel::layoutFileBrowserComponent(juce::FileBrowserComponent& browser,
                                                   juce::DirectoryContentsDisplayComponent* list,
                                                   juce::FilePreviewComponent* preview, juce::ComboBox* currentPathBox,
                                                   juce::TextEditor* filenameBox, juce::Button* goUpButton)
{
    const int width = browser.getWidth(), height = browser.getHeight();
    int w = width - 16;
    if (preview != nullptr)
    {
        const int previewWidth = (width - 16) / 3;
        preview->setBounds(width - 8 - previewWidth, 0, previewWidth, height);
        w = width - 20 - previewWidth;
    }
    if (currentPathBox != nullptr)
        currentPathBox->setBounds(8, 4, w - 96, 22);
    if (goUpButton != nullptr)
        goUpButton->setBounds(w - 82, 4, 90, 22);
    if (filenameBox != nullptr)
        filenameBox->setBounds(58, 30, w - 50, 22);
    if (list != nullptr)
        if (auto* listComponent = dynamic_cast<juce::Component*>(list))
            listComponent->setBounds(8, 56, w, height - 56);
}

void CustomLookAndFeel::drawPopupMenuBackground(juce::Graphics& g, int width, int height)
{
    g.fillAll(findColour(juce::PopupMenu::backgroundColourId));
    g.setColour(findColour(juce::PopupMenu::textColourId).withAlpha(0.6f));
    g.drawRect(0, 0, width, height);
}

juce::Font CustomLookAndFeel::getPopupMenuFont()
{
    return FontLibrary::getInstance()->getFont("PopupMenuxLookAndFeel");
}

juce::Font CustomLookAndFeel::getComboBoxFont(juce::ComboBox&)
{
    return FontLibrary::getInstance()->getFont("ComboBoxLookAndFeel");
}

juce::TextLayout CustomLookAndFeel::layoutTooltipText(const juce::String& text, juce::Colour colour)
{
    juce::AttributedString attributed;
    attributed.setJustification(juce::Justification::centredLeft);
    attributed.append(text, FontLibrary::getInstance()->getFont("ToolTipLookAndFeel"), colour);
    juce::TextLayout layout;
    layout.createLayout(attributed, 400.0f);
    return layout;
}

juce::Rectangle<int> CustomLookAndFeel::placeTooltip(float layoutWidth, float layoutHeight, juce::Rectangle<int> area)
{
    const int tipWidth = (int) (layoutWidth + 14.0f);
    const int tipHeight = (int) (layoutHeight + 6.0f);
    const int w = juce::jmin(tipWidth, area.getWidth());
    const int h = juce::jmin(tipHeight, area.getHeight());
    // Ten pixels in from the right and bottom edges, measured from the
    // area's size alone (the area is the main window's own, at the origin).
    const int x0 = area.getWidth() - tipWidth - 10;
    const int y0 = area.getHeight() - tipHeight - 10;
    const int x = x0 < area.getX() ? area.getX() : juce::jmin(x0, area.getX() + area.getWidth() - w);
    const int y = y0 < area.getY() ? area.getY() : juce::jmin(y0, area.getY() + area.getHeight() - h);
    return { x, y, w, h };
}

juce::Rectangle<int> CustomLookAndFeel::getTooltipBounds(const juce::String& tipText, juce::Point<int>,
                                                         juce::Rectangle<int> parentArea)
{
    // The pointer's position plays no part.
    const auto layout = layoutTooltipText(tipText, juce::Colours::black);
    return placeTooltip(layout.getWidth(), layout.getHeight(), parentArea);
}

void CustomLookAndFeel::drawTooltip(juce::Graphics& g, const juce::String& text, int width, int height)
{
    g.fillAll(findColour(juce::TooltipWindow::backgroundColourId));
    const auto layout = layoutTooltipText(text, findColour(juce::TooltipWindow::textColourId));
    layout.draw(g, { 0.0f, 0.0f, (float) width, (float) height });
}

juce::Rectangle<int> CustomLookAndFeel::getTabButtonExtraComponentBounds(const juce::TabBarButton& button,
                                                                         juce::Rectangle<int>& textArea,
                                                                         juce::Component& extraComp)
{
    const auto r = juce::LookAndFeel_V2::getTabButtonExtraComponentBounds(button, textArea, extraComp);
    if (button.getExtraComponentPlacement() == juce::TabBarButton::beforeText
        || button.getTabbedButtonBar().getOrientation() == juce::TabbedButtonBar::TabsAtLeft)
        return r;
    // A square at the left of the space taken, centred in its height.
    return { r.getX(), r.getY() + (r.getHeight() - r.getWidth()) / 2, r.getWidth(), r.getWidth() };
}

void CustomLookAndFeel::drawTabbedButtonBarBackground(juce::TabbedButtonBar&, juce::Graphics& g)
{
    g.fillAll(juce::Colours::transparentBlack);
}

void CustomLookAndFeel::createTabButtonShape(juce::TabBarButton& button, juce::Path& path, bool isMouseOver, bool isMouseDown)
{
    // The classic trapezoid with a 4-pixel overhang and corners rounded by 3
    // pixels, indented by this look's tab overlap.
    juce::LookAndFeel_V2::createTabButtonShape(button, path, isMouseOver, isMouseDown);
}

void CustomLookAndFeel::fillTabButtonShape(juce::TabBarButton& button, juce::Graphics& g, const juce::Path& path, bool, bool)
{
    const bool front = button.isFrontTab();
    g.setColour(front ? button.getTabBackgroundColour() : juce::Colours::darkgrey);
    g.fillPath(path);

    const auto outline =
        button.findColour(front ? juce::TabbedButtonBar::frontOutlineColourId : juce::TabbedButtonBar::tabOutlineColourId, false);
    g.setColour(outline.withMultipliedAlpha(button.isEnabled() ? 1.0f : 0.5f));
    g.strokePath(path, juce::PathStrokeType(front ? 1.0f : 0.5f));
}

void CustomLookAndFeel::drawTabButton(juce::TabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown)
{
    juce::LookAndFeel_V2::drawTabButton(button, g, isMouseOver, isMouseDown);
}

int CustomLookAndFeel::getTabTextMargin(int tabDepth)
{
    return juce::jmax(3, tabDepth / 5);
}

juce::Colour CustomLookAndFeel::getTabTextColour(const juce::TabBarButton& button)
{
    // The framework's own drawing asks only the button and the look, so the
    // colours set on the bar or its panel would never be seen.
    const int id = button.isFrontTab() ? juce::TabbedButtonBar::frontTextColourId : juce::TabbedButtonBar::tabTextColourId;
    for (auto* c = static_cast<const juce::Component*>(&button); c != nullptr; c = c->getParentComponent())
        if (c->isColourSpecified(id))
            return c->findColour(id);
    if (button.getLookAndFeel().isColourSpecified(id))
        return button.getLookAndFeel().findColour(id);
    return button.getTabBackgroundColour().contrasting();
}

void CustomLookAndFeel::drawTabButtonText(juce::TabBarButton& button, juce::Graphics& g, bool, bool)
{
    const auto area = button.getTextArea();
    const auto& bar = button.getTabbedButtonBar();
    const bool vertical = bar.isVertical();
    const int length = vertical ? area.getHeight() : area.getWidth();
    const int depth = vertical ? area.getWidth() : area.getHeight();
    const int margin = getTabTextMargin(depth);
    const int room = length - 2 * margin;
    const auto text = button.getButtonText().trim();
    if (room <= 0 || depth <= 0 || text.isEmpty())
        return;

    // At most 60% of the depth high. Where it does not fit between its
    // margins: words on two lines in a deep tab, else smaller, then narrower.
    auto font = getTabButtonFont(button, (float) depth);
    font.setUnderline(button.hasKeyboardFocus(false));
    const int lines = text.containsChar(' ') ? juce::jmax(1, depth / 12) : 1;
    const float needed = font.getStringWidthFloat(text);
    if (needed > (float) room && lines == 1)
    {
        font.setHeight(juce::jmax(juce::jmin(font.getHeight(), 8.0f), font.getHeight() * (float) room / needed));
        const float still = font.getStringWidthFloat(text);
        if (still > (float) room)
            font.setHorizontalScale(juce::jmax(0.5f, (float) room / still));
    }

    juce::AffineTransform t;
    switch (bar.getOrientation())
    {
        case juce::TabbedButtonBar::TabsAtLeft:
            t = t.rotated(juce::MathConstants<float>::pi * -0.5f).translated((float) area.getX(), (float) area.getBottom());
            break;
        case juce::TabbedButtonBar::TabsAtRight:
            t = t.rotated(juce::MathConstants<float>::pi * 0.5f).translated((float) area.getRight(), (float) area.getY());
            break;
        case juce::TabbedButtonBar::TabsAtTop:
        case juce::TabbedButtonBar::TabsAtBottom:
        default: t = t.translated((float) area.getX(), (float) area.getY()); break;
    }

    const auto colour = getTabTextColour(button);
    g.setColour(button.isEnabled() ? colour : colour.withMultipliedAlpha(0.3f));
    g.setFont(font);
    juce::Graphics::ScopedSaveState state(g);
    g.addTransform(t);
    g.drawFittedText(text, margin, 0, room, depth, juce::Justification::centred, lines, 0.5f);
}

juce::Rectangle<int> CustomLookAndFeel::getAlertIconArea(juce::Rectangle<int> alertBounds)
{
    // The framework keeps an 80-pixel column left of the text for the icon.
    constexpr int edge = 10, column = 80, gap = 8;
    const int size = juce::jmax(0, juce::jmin(column - gap, alertBounds.getHeight() - 2 * edge));
    return { edge, edge, size, size };
}

juce::AlertWindow* CustomLookAndFeel::createAlertWindow(const juce::String& title, const juce::String& message,
                                                        const juce::String& button1, const juce::String& button2,
                                                        const juce::String& button3, juce::MessageBoxIconType iconType,
                                                        int numButtons, juce::Component* associatedComponent)
{
    auto* alert = juce::LookAndFeel_V3::createAlertWindow(title, message, button1, button2, button3, iconType, numButtons,
                                                          associatedComponent);
    if (alert != nullptr)
        RSWidgetSupport::remakeNativeWindow(*alert);
    return alert;
}

void CustomLookAndFeel::drawAlertBox(juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>& textArea,
                                     juce::TextLayout& textLayout)
{
    g.fillAll(alert.findColour(juce::AlertWindow::backgroundColourId));

    int iconSpace = 0;
    const auto type = alert.getAlertType();
    if (type != juce::MessageBoxIconType::NoIcon)
    {
        const auto r = getAlertIconArea(alert.getLocalBounds()).toFloat();
        juce::Path icon;
        juce::Colour colour;
        juce::juce_wchar character;
        if (type == juce::MessageBoxIconType::WarningIcon)
        {
            colour = juce::Colour(0x55FF5555);
            character = '!';
            icon.addTriangle(r.getCentreX(), r.getY(), r.getRight(), r.getBottom(), r.getX(), r.getBottom());
            icon = icon.createPathWithRoundedCorners(5.0f);
        }
        else
        {
            colour = juce::Colour(type == juce::MessageBoxIconType::InfoIcon ? 0x605555FFu : 0x40B69900u);
            character = type == juce::MessageBoxIconType::InfoIcon ? 'i' : '?';
            icon.addEllipse(r);
        }

        // The mark is cut out of the shape, in its lower part for the triangle.
        const auto markArea = type == juce::MessageBoxIconType::WarningIcon ? r.withTrimmedTop(r.getHeight() * 0.3f) : r;
        juce::GlyphArrangement mark;
        mark.addFittedText(juce::Font(markArea.getHeight() * 0.8f, juce::Font::bold), juce::String::charToString(character),
                           markArea.getX(), markArea.getY(), markArea.getWidth(), markArea.getHeight(),
                           juce::Justification::centred, 1);
        mark.createPath(icon);
        icon.setUsingNonZeroWinding(false);
        g.setColour(colour);
        g.fillPath(icon);
        iconSpace = 80;
    }

    g.setColour(alert.findColour(juce::AlertWindow::textColourId));
    textLayout.draw(g, textArea.withTrimmedLeft(iconSpace).toFloat());

    g.setColour(alert.findColour(juce::AlertWindow::outlineColourId));
    g.drawRect(0, 0, alert.getWidth(), alert.getHeight());
}
