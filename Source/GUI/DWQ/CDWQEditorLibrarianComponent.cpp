#include "GUI/DWQ/CDWQEditorLibrarianComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "GUI/DWQ/DWQEditorComponent.h"
#include "GUI/DWQ/DWQLibFileComponent.h"
#include "GUI/DWQ/DWQLibFileSubTab.h"
#include "GUI/DWQ/DWQLibROMComponent.h"
#include "GUI/DWQ/DWQLibROMSubTab.h"
#include "GUI/DWQ/DWQTabbedComponent.h"
#include "GUI/DWQ/DWQUserButtonContainerComponent.h"
#include "GUI/DWQ/DWQViewSupport.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/RSCloseButton.h"
#include "GUI/Widgets/RSWidgetSupport.h"

namespace
{
constexpr int modelId = 0;
const juce::Colour tabBackground(0xFF4F4F4F);
const juce::Colour tabText(0xFFD4D4D4);

void setLibrarianButtonImages(juce::ImageButton& button, const juce::String& name)
{
    const auto image = RSWidgetSupport::getImage(name);
    button.setImages(false, true, false, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f, juce::Colour(0x000000FF),
                     image, 1.0f, juce::Colours::transparentBlack);
}
} // namespace

bool CDWQEditorLibrarianComponent::ReEntrantLocked = false;

CDWQEditorLibrarianComponent::CDWQEditorLibrarianComponent() = default;

CDWQEditorLibrarianComponent::~CDWQEditorLibrarianComponent()
{
    if (auto* actions = DWQViewSupport::getActionManager())
        if (actions->getFileTabView() == this)
            actions->setFileTabView(nullptr);
    m_Animator.cancelAllAnimations(false);

    if (auto* tabs = getTabPanel())
        tabs->clearTabs();
    for (auto*& tab : fileTabs)
    {
        delete tab;
        tab = nullptr;
    }
}

DWQEditorComponent* CDWQEditorLibrarianComponent::getEditorPage() const
{
    return dynamic_cast<DWQEditorComponent*>(m_EditorComponent);
}

DWQTabbedComponent* CDWQEditorLibrarianComponent::getTabPanel() const
{
    return dynamic_cast<DWQTabbedComponent*>(m_TabbedComponent);
}

DWQLibROMSubTab* CDWQEditorLibrarianComponent::getPresetTab() const
{
    return dynamic_cast<DWQLibROMSubTab*>(m_FirstSubTab);
}

DWQUserButtonContainerComponent* CDWQEditorLibrarianComponent::getUserPanel() const
{
    return dynamic_cast<DWQUserButtonContainerComponent*>(m_UserButtonContainer);
}

DWQLibFileSubTab* CDWQEditorLibrarianComponent::getFileTab(int index) const
{
    return index >= 0 && index < numFileTabs ? fileTabs[(size_t) index] : nullptr;
}

DWQLibFileComponent* CDWQEditorLibrarianComponent::getFilePageOfTab(int tabIndex) const
{
    auto* tabs = getTabPanel();
    if (tabs == nullptr || tabIndex < 1 || tabIndex >= tabs->getNumTabs())
        return nullptr;
    auto* tab = dynamic_cast<DWQLibFileSubTab*>(tabs->getTabContentComponent(tabIndex));
    return tab != nullptr ? tab->getFilePage() : nullptr;
}

juce::Button* CDWQEditorLibrarianComponent::getOpenButton() const
{
    return m_OpenFileButton;
}
juce::Button* CDWQEditorLibrarianComponent::getSaveButton() const
{
    return m_SaveFileButton;
}
juce::Button* CDWQEditorLibrarianComponent::getNewFileButton() const
{
    return m_TabBarButton;
}

void CDWQEditorLibrarianComponent::initialise()
{
    slidOut = false;

    int windowWidth = 1024, windowHeight = 768;
    auto* host = Host::getInstance();
    if (host != nullptr)
        if (auto* controller = host->getMasterGuiController())
        {
            windowWidth = controller->windowBounds.getWidth();
            windowHeight = controller->windowBounds.getHeight();
        }
    const int w = juce::jmin(windowWidth, 1024);
    const int h = juce::jmin(windowHeight, 768);
    columnWidth = w / 4;
    tabDepth = h / 24;
    const int l = columnWidth;

    setBounds(2, 0, w - 4, h);

    auto* editor = new DWQEditorComponent(w - l, editorHeight);
    m_EditorComponent = editor;
    addAndMakeVisible(editor);
    editor->initialize();
    editor->setBounds(l, 0, w - l, editorHeight);

    homeBounds = { 0, 36, l, h - 36 };

    auto* users = new DWQUserButtonContainerComponent(w - l, h - editorHeight, 0);
    m_UserButtonContainer = users;
    addAndMakeVisible(users);
    users->initialise();
    users->setBounds(l, editorHeight, w - l, h - editorHeight);
    users->setVisible(true);

    auto* presetTab = new DWQLibROMSubTab(0, 36, l, h - 2 * tabDepth, tabDepth);
    m_FirstSubTab = presetTab;
    presetTab->initialise();

    for (int f = 0; f < numFileTabs; ++f)
        fileTabs[(size_t) f] = new DWQLibFileSubTab(0, 36, l, h - 2 * tabDepth, f);

    m_SubTabContentRect = { 0, tabDepth, l, h - 2 * tabDepth };
    presetTab->setBounds(m_SubTabContentRect);
    for (auto* tab : fileTabs)
        tab->setBounds(m_SubTabContentRect);

    auto* tabs = new DWQTabbedComponent(juce::TabbedButtonBar::TabsAtTop);
    m_TabbedComponent = tabs;
    tabs->setBounds(homeBounds);
    tabs->setTabBarDepth(tabDepth);
    tabs->setColour(juce::TabbedButtonBar::tabTextColourId, tabText.withAlpha(0.4f));
    tabs->setColour(juce::TabbedButtonBar::frontTextColourId, tabText);
    tabs->addTab("Preset", juce::Colours::white, presetTab, false, 0);
    tabs->setTabBackgroundColour(0, tabBackground);
    if (auto* button = tabs->getTabbedButtonBar().getTabButton(0))
    {
        button->addListener(this);
        button->setTriggeredOnMouseDown(true);
    }
    addAndMakeVisible(tabs);
    presetTab->setVisible(true);

    auto makeButton = [](const juce::String& image) {
        auto* button = new juce::ImageButton();
        setLibrarianButtonImages(*button, image);
        return button;
    };
    m_OpenFileButton = makeButton("openfile_50x50w");
    m_OpenFileButton->setBounds(10, 7, 25, 25);
    m_SaveFileButton = makeButton("savefile_50x50w");
    m_SaveFileButton->setBounds(50, 7, 25, 25);
    m_TabBarButton = makeButton("tabbuttonextra");
    m_TabBarButton->setSize(20, 20);
    for (auto* button : { m_OpenFileButton, m_SaveFileButton, m_TabBarButton })
    {
        button->setTriggeredOnMouseDown(true);
        RSWidgetSupport::reachByMouseOnly(*button);
        button->addListener(this);
    }
    addAndMakeVisible(m_OpenFileButton);
    addAndMakeVisible(m_SaveFileButton);
    tabs->addAndMakeVisible(m_TabBarButton);
    placeNewFileButton();

    if (auto* actions = DWQViewSupport::getActionManager())
        actions->setFileTabView(this);

    // The widgets show the data centre's program from the start, not only
    // after the first change message (an offline model may never send one).
    changeListenerCallback(DWQViewSupport::getMidiManager());
}

void CDWQEditorLibrarianComponent::renewPresetButtons()
{
    if (auto* presetTab = getPresetTab())
        if (auto* page = dynamic_cast<DWQLibROMComponent*>(presetTab->getContentComponent()))
            page->RenewButtonImages();
}

void CDWQEditorLibrarianComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (auto* editor = getEditorPage())
        editor->changeListenerCallback(source);
    if (auto* users = getUserPanel())
        users->changeListenerCallback(source);
    if (auto* presetTab = getPresetTab())
        if (auto* page = dynamic_cast<DWQLibROMComponent*>(presetTab->getContentComponent()))
            page->changeListenerCallback(source);
    for (auto* tab : fileTabs)
        if (tab != nullptr)
            if (auto* page = dynamic_cast<DWQLibFileComponent*>(tab->getContentComponent()))
                page->changeListenerCallback(source);
}

int CDWQEditorLibrarianComponent::slideDistance() const
{
    int display = 0;
    if (auto* host = Host::getInstance())
        if (auto* controller = host->getMasterGuiController())
            display = controller->displayUserArea.getWidth();
    const int editorWidth = m_EditorComponent != nullptr ? m_EditorComponent->getWidth() : 0;
    return juce::jmax(0, columnWidth - juce::jmax(display - editorWidth, tabDepth));
}

void CDWQEditorLibrarianComponent::animateTabPanel(juce::Rectangle<int> target)
{
    if (m_TabbedComponent != nullptr)
        m_Animator.animateComponent(m_TabbedComponent, target, 1.0f, 500, false, 0.0, 0.0);
}

void CDWQEditorLibrarianComponent::buttonClicked(juce::Button* button)
{
    auto* actions = DWQViewSupport::getActionManager();
    if (actions == nullptr || ReEntrantLocked)
        return;
    const ReEntryGuard guard(ReEntrantLocked);

    if (invokeFileButton(button, *actions))
        return;

    auto* tabs = getTabPanel();
    if (tabs == nullptr)
        return;

    if (auto* close = dynamic_cast<RSCloseButton*>(button))
    {
        const int t = close->getTabBarButton() != nullptr ? close->getTabBarButton()->getIndex() : -1;
        if (t <= 0)
            return;
        if (actions->executeFileClose(modelId, t - 1))
            actions->afterFileCloseUI(modelId, t);
        return;
    }

    if (auto* tabButton = dynamic_cast<juce::TabBarButton*>(button))
    {
        const int t = tabButton->getIndex();
        const bool changed = tabs->m_TabChanged;
        tabs->m_TabChanged = false;
        if (t < 0)
            return;
        if (changed && tabs->getX() == homeBounds.getX())
            return;
        if (slidOut)
        {
            slidOut = false;
            animateTabPanel(homeBounds);
        }
        else
        {
            slidOut = true;
            animateTabPanel(homeBounds.translated(-slideDistance(), 0));
        }
    }
}

bool CDWQEditorLibrarianComponent::isInterestedInFileDrag(const juce::StringArray& files)
{
    return files.size() > 0 && files[0].endsWithIgnoreCase(".dwqprog");
}

juce::Component* CDWQEditorLibrarianComponent::getFileSubTabComponent(int index)
{
    return getFileTab(index);
}

juce::Component* CDWQEditorLibrarianComponent::getFirstFileSubTabComponent(int* index)
{
    for (int f = 0; f < numFileTabs; ++f)
    {
        auto* tab = fileTabs[(size_t) f];
        if (tab != nullptr && ! tab->isInUse())
        {
            tab->setInUse(true);
            if (index != nullptr)
                *index = f;
            return tab;
        }
    }
    if (index != nullptr)
        *index = numFileTabs;
    return nullptr;
}

void CDWQEditorLibrarianComponent::ROMSUbTabMove(bool show)
{
    if (m_TabbedComponent == nullptr)
        return;
    const bool atHome = m_TabbedComponent->getX() == homeBounds.getX();
    if (atHome == show)
        return;
    if (show)
    {
        slidOut = false;
        animateTabPanel(homeBounds);
    }
    else
    {
        slidOut = true;
        animateTabPanel(homeBounds.translated(-slideDistance(), 0));
    }
}

// File tabs ------------------------------------------------------------------

int CDWQEditorLibrarianComponent::getNumTabs() const
{
    auto* tabs = getTabPanel();
    return tabs != nullptr ? tabs->getNumTabs() : 0;
}

int CDWQEditorLibrarianComponent::getCurrentTabIndex() const
{
    auto* tabs = getTabPanel();
    return tabs != nullptr ? tabs->getCurrentTabIndex() : -1;
}

void CDWQEditorLibrarianComponent::setCurrentTabIndex(int tabIndex)
{
    if (auto* tabs = getTabPanel())
        tabs->setCurrentTabIndex(tabIndex, true);
}

juce::String CDWQEditorLibrarianComponent::getTabTitle(int tabIndex) const
{
    auto* tabs = getTabPanel();
    return tabs != nullptr && tabIndex >= 0 && tabIndex < tabs->getNumTabs() ? tabs->getTabNames()[tabIndex] : juce::String();
}

bool CDWQEditorLibrarianComponent::addFileTab(int fileTab, const juce::String& title)
{
    // The new tab's page comes to the front without taking the focus from
    // where it is (the parameter area, the user slots).
    const FocusHandOver::KeptInPlace keepFocus;
    auto* tabs = getTabPanel();
    if (tabs == nullptr || fileTab < 0 || fileTab >= numFileTabs)
        return false;
    int subTabIndex = -1;
    auto* tab = dynamic_cast<DWQLibFileSubTab*>(getFirstFileSubTabComponent(&subTabIndex));
    if (tab == nullptr)
        return false;

    // The tab shows file `fileTab`, whichever sub-tab object carries it.
    const int position = juce::jmin(fileTab + 1, tabs->getNumTabs());
    tabs->addTab(title, juce::Colours::lightgrey, tab, false, position);
    tabs->setTabBackgroundColour(position, tabBackground);
    if (auto* button = tabs->getTabbedButtonBar().getTabButton(position))
    {
        auto* close = new RSCloseButton(button, "close");
        close->addListener(this);
        button->setExtraComponent(close, juce::TabBarButton::afterText);
        button->addListener(this);
        button->setTriggeredOnMouseDown(true);
    }
    if (auto* page = tab->getFilePage())
    {
        page->RenewFileIndex(fileTab);
        page->RenewButtonImages();
    }
    tabs->setCurrentTabIndex(position, true);
    placeNewFileButton();
    return true;
}

void CDWQEditorLibrarianComponent::removeFileTab(int tabIndex)
{
    auto* tabs = getTabPanel();
    if (tabs == nullptr || tabIndex <= 0 || tabIndex >= tabs->getNumTabs())
        return;
    if (auto* tab = dynamic_cast<DWQLibFileSubTab*>(tabs->getTabContentComponent(tabIndex)))
    {
        if (auto* page = tab->getFilePage())
            page->SetToggleStateAll(false);
        tab->setInUse(false);
    }
    tabs->removeTab(tabIndex);
    // The later files moved down by one.
    for (int t = 1; t < tabs->getNumTabs(); ++t)
        if (auto* tab = dynamic_cast<DWQLibFileSubTab*>(tabs->getTabContentComponent(t)))
            if (auto* page = tab->getFilePage())
            {
                page->RenewFileIndex(t - 1);
                page->RenewButtonImages();
            }
    tabs->setCurrentTabIndex(juce::jmax(0, tabIndex - 1), true);
    placeNewFileButton();
}

void CDWQEditorLibrarianComponent::focusUserProgramButtons()
{
    FocusHandOver::give(getUserPanel());
}

void CDWQEditorLibrarianComponent::repaintUserProgramButtons()
{
    if (auto* users = getUserPanel())
        users->repaint();
}
