#include "GUI/Editor/EditParamComponent.h"

#include "Application/Host.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/DragIds.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "UIForm/UIFormIds.h"

#include <cmath>

const int EditParamComponent::m_DragSensitivity = 5;
const int EditParamComponent::m_DragOnOffSensitivity = 10;

EditParamComponent::EditParamComponent(int width, int height) : m_Width(width), m_Height(height)
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}

EditParamComponent::~EditParamComponent()
{
    m_Animator.cancelAllAnimations(false);
    // Every child still attached is owned by the area.
    while (getNumChildComponents() > 0)
    {
        auto* child = getChildComponent(getNumChildComponents() - 1);
        removeChildComponent(child);
        delete child;
    }
}

void EditParamComponent::initialise()
{
    scanUIForm();
    scanLinkedComponent();
    repaint();
}

void EditParamComponent::updateBackground()
{
    auto* host = Host::getInstance();
    auto* manager = host != nullptr ? host->getMasterGuiManager() : nullptr;
    auto* window = manager != nullptr ? manager->getMainWindow() : nullptr;
    auto* main = window != nullptr ? window->getMainComponent() : nullptr;
    if (auto* view = main != nullptr ? main->getView() : nullptr)
        view->repaint();
}

bool EditParamComponent::isInterestedInDragSource(const SourceDetails& details)
{
    const auto& description = details.description;
    if (! description.isArray() || description.size() < 1)
        return false;
    return description[0].toString() == AmpFXModelModuleDragID;
}

void EditParamComponent::itemDragEnter(const SourceDetails&)
{
    m_DragOver = true;
    updateBackground();
}

void EditParamComponent::itemDragExit(const SourceDetails&)
{
    m_DragOver = false;
    updateBackground();
}

void EditParamComponent::mouseEnter(const juce::MouseEvent& e)
{
    m_MouseOver = true;
    updateBackground();
    m_DragStarted = false;
    m_DragOrigin = e.getPosition();
}

void EditParamComponent::mouseExit(const juce::MouseEvent&)
{
    m_MouseOver = false;
    updateBackground();
}

void EditParamComponent::mouseDown(const juce::MouseEvent& e)
{
    juce::Component::mouseDown(e);
    if (auto* parent = getParentComponent())
        if (parent->isShowing())
            parent->grabKeyboardFocus();
}

void EditParamComponent::mouseDrag(const juce::MouseEvent& e)
{
    if (m_DragStarted)
    {
        updateBackground();
        return;
    }
    auto* container = juce::DragAndDropContainer::findParentDragContainerFor(this);
    if (container == nullptr)
        return;
    const auto position = e.getPosition();
    if (std::abs(position.x - m_DragOrigin.x) + std::abs(position.y - m_DragOrigin.y) < m_DragSensitivity)
        return;
    container->startDragging(makeDragDescription(CurrentProgramDataDragID, -1), this, juce::ScaledImage(), false);
    m_DragStarted = true;
    updateBackground();
}

void EditParamComponent::mouseUp(const juce::MouseEvent& e)
{
    juce::Component::mouseUp(e);
    m_DragStarted = false;
    updateBackground();
}

void EditParamComponent::resized()
{
    for (auto* child : getChildren())
    {
        const int id = child->getProperties().getWithDefault(UIFormProperty::Id, -1);
        if (id < 0)
            continue;
        child->setBounds(child->getProperties().getWithDefault(UIFormProperty::X, -1),
                         child->getProperties().getWithDefault(UIFormProperty::Y, -1),
                         child->getProperties().getWithDefault(UIFormProperty::Width, -1),
                         child->getProperties().getWithDefault(UIFormProperty::Height, -1));
    }
}

void EditParamComponent::paint(juce::Graphics& g)
{
    const float y = (float) m_SignalChainY;
    const float w = (float) getWidth();
    juce::Path chain;
    chain.startNewSubPath(0.0f, y);
    const float stops[] = { 0.0f, 20.0f, 170.0f, 430.0f, w - 2.0f };
    for (int i = 0; i < 4; ++i)
        chain.addArrow({ stops[i], y, stops[i + 1], y }, 2.0f, 18.0f, 20.0f);
    g.setColour(juce::Colours::black);
    g.strokePath(chain, juce::PathStrokeType(2.0f));
    g.fillPath(chain);

    g.setGradientFill(
        juce::ColourGradient(juce::Colour(0xFF726C67), 384.0f, 190.0f, juce::Colour(0xFF3F3C39), 0.0f, 340.0f, true));
    g.fillRect(0, 190, getWidth(), 150);

    drawOutLine(g, 10, 200, 126, 114, "Modulation");
    drawOutLine(g, 150, 200, 160, 114, "Delay/Reverb");
    drawOutLine(g, 324, 200, 436, 114, "Amp");
}

void EditParamComponent::drawOutLine(juce::Graphics& g, int x, int y, int w, int h, juce::String title)
{
    const juce::Font font(15.0f, juce::Font::plain);
    const float cs = (float) juce::jmin(5, w / 2, h / 2);
    const float cs2 = 2.0f * cs;
    float tw = 0.0f;
    if (title.isNotEmpty())
        tw = juce::jmin(juce::jmax(0.0f, (float) w - cs2 - 8.0f), (float) font.getStringWidth(title) + 8.0f);
    const float fx = (float) x, fy = (float) y, fw = (float) w, fh = (float) h;
    const float tx = fx + (fw - tw) / 2.0f;
    const float pi = juce::MathConstants<float>::pi;

    juce::Path frame;
    frame.startNewSubPath(tx + tw, fy);
    frame.lineTo(fx + fw - cs, fy);
    frame.addArc(fx + fw - cs2, fy, cs2, cs2, 0.0f, pi / 2.0f);
    frame.lineTo(fx + fw, fy + fh - cs);
    frame.addArc(fx + fw - cs2, fy + fh - cs2, cs2, cs2, pi / 2.0f, pi);
    frame.lineTo(fx + cs, fy + fh);
    frame.addArc(fx, fy + fh - cs2, cs2, cs2, pi, 3.0f * pi / 2.0f);
    frame.lineTo(fx, fy + cs);
    frame.addArc(fx, fy, cs2, cs2, 3.0f * pi / 2.0f, 2.0f * pi);
    frame.lineTo(tx, fy);

    g.setColour(juce::Colours::lightgrey.withAlpha(0.4f));
    g.strokePath(frame, juce::PathStrokeType(2.0f));

    if (title.isNotEmpty())
    {
        g.setColour(juce::Colours::white);
        g.setFont(font);
        g.drawText(title, juce::Rectangle<float>(tx, fy - 7.5f, tw, 15.0f).toNearestInt(), juce::Justification::centred, true);
    }
}
