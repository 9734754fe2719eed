#include "GUI/Orva/COrvaEditorLibrarianComponent.h"

#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/RSLibFileComponentBase.h"
#include "GUI/Editor/RSLibFileSubTabBase.h"
#include "GUI/Editor/UserButtonContainerComponent.h"
#include "GUI/Orva/OrvaGlobalMiniComponent.h"
#include "GUI/Orva/OrvaGlobalSubTab.h"
#include "GUI/Orva/OrvaTabbedComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/RSCloseButton.h"
#include "GUI/Widgets/RSWidgetSupport.h"

bool COrvaEditorLibrarianComponent::ReEntrantLocked = false;

namespace
{
MasterGuiController* guiController()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getMasterGuiController() : nullptr;
}

ActionManager* actionManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getActionManager() : nullptr;
}
} // namespace

COrvaEditorLibrarianComponent::~COrvaEditorLibrarianComponent()
{
    if (auto* actions = actionManager())
        if (actions->getFileTabView() == this)
            actions->setFileTabView(nullptr);
    m_Animator.cancelAllAnimations(false);
    // The tab bar holds the file tabs without owning them.
    if (m_TabPanel != nullptr)
        m_TabPanel->clearTabs();
    for (auto*& tab : m_FileSubTabs)
    {
        delete tab;
        tab = nullptr;
    }
    delete m_GlobalPanel;
    m_GlobalPanel = nullptr;
}

void COrvaEditorLibrarianComponent::initialise()
{
    m_Collapsed = false;

    juce::Rectangle<int> window(0, 0, 1024, 768);
    auto* controller = guiController();
    if (controller != nullptr && ! controller->windowBounds.isEmpty())
        window = controller->windowBounds;
    const int w = juce::jmin(window.getWidth(), 1024);
    const int h = juce::jmin(window.getHeight(), 768);

    if (auto* mainWindow = controller != nullptr ? controller->getMainWindow() : nullptr)
    {
        auto& look = mainWindow->getLookAndFeel();
        const auto accent = getAccentColour();
        look.setColour(juce::PopupMenu::backgroundColourId, juce::Colour(0xFF4F4F4F));
        look.setColour(juce::PopupMenu::textColourId, juce::Colour(0xFFD4D4D4));
        look.setColour(juce::PopupMenu::highlightedBackgroundColourId, accent);
        look.setColour(juce::PopupMenu::highlightedTextColourId, juce::Colour(0xFF4F4F4F));
        look.setColour(juce::TooltipWindow::backgroundColourId, juce::Colour(0xFF4F4F4F));
        look.setColour(juce::TooltipWindow::textColourId, accent);
        look.setColour(juce::TooltipWindow::outlineColourId, accent);
    }

    const int l = w / 4;
    m_TabDepth = h / 24;
    setBounds(2, 0, w - 4, h);

    m_EditorWidth = w - l;
    m_EditorComponent = createEditorPage(w - l, editorHeight);
    if (m_EditorComponent != nullptr)
    {
        addAndMakeVisible(m_EditorComponent);
        m_EditorComponent->initialize();
        m_EditorComponent->setBounds(l, 0, w - l, editorHeight);
    }

    m_HomeRect = { 0, 36, l, 537 };

    if (h >= 574 && w >= 4)
    {
        m_GlobalPanel = new OrvaGlobalMiniComponent(l, h - editorHeight, l, h - editorHeight);
        addAndMakeVisible(m_GlobalPanel);
        m_GlobalPanel->initialise();
        m_GlobalPanel->setBounds(0, editorHeight, l, h - editorHeight);
    }

    m_UserButtonContainer = createUserButtonContainer(w - l, h - editorHeight);
    addAndMakeVisible(m_UserButtonContainer);
    m_UserButtonContainer->initialise();
    m_UserButtonContainer->setBounds(l, editorHeight, w - l, h - editorHeight);

    const int contentHeight = 537 - m_TabDepth;
    m_GlobalSubTab = new OrvaGlobalSubTab(0, 36, l, contentHeight, m_TabDepth);
    m_FirstSubTab = m_GlobalSubTab;
    m_GlobalSubTab->initialise();
    for (int f = 0; f < numFileTabs; ++f)
        m_FileSubTabs[f] = createFileSubTab(0, 36, l, contentHeight, f);

    m_SubTabContentRect = { 0, m_TabDepth, l, contentHeight };
    m_GlobalSubTab->setBounds(m_SubTabContentRect);
    for (auto* tab : m_FileSubTabs)
        tab->setBounds(m_SubTabContentRect);

    m_TabPanel = createTabPanel();
    m_TabbedComponent = m_TabPanel;
    m_TabPanel->m_PreviousTabIndex = -1;
    m_TabPanel->m_CurrentTabIndex = -1;
    m_TabPanel->m_TabChanged = false;
    m_TabPanel->m_FirstTabFixed = false;
    m_TabPanel->setBounds(m_HomeRect);
    m_TabPanel->setTabBarDepth(m_TabDepth);
    m_TabPanel->setColour(juce::TabbedButtonBar::tabTextColourId, juce::Colour(0xFFD4D4D4).withAlpha(0.4f));
    m_TabPanel->setColour(juce::TabbedButtonBar::frontTextColourId, juce::Colour(0xFFD4D4D4));
    addAndMakeVisible(m_TabPanel);
    m_GlobalSubTab->setVisible(true);

    m_OpenFileButton = makeHeaderButton("openfile30x30");
    m_OpenFileButton->setBounds(10, 7, 25, 25);
    addAndMakeVisible(m_OpenFileButton);
    m_SaveFileButton = makeHeaderButton("savefile30x30");
    m_SaveFileButton->setBounds(50, 7, 25, 25);
    addAndMakeVisible(m_SaveFileButton);
    m_TabBarButton = makeHeaderButton("tabbuttonextra");
    m_TabPanel->addAndMakeVisible(m_TabBarButton);
    placeNewFileButton();

    if (auto* actions = actionManager())
        actions->setFileTabView(this);
}

juce::ImageButton* COrvaEditorLibrarianComponent::makeHeaderButton(const juce::String& imageName)
{
    auto* button = new juce::ImageButton(juce::String());
    const auto image = RSWidgetSupport::getImage(imageName);
    button->setImages(false, true, false, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f,
                      juce::Colours::transparentBlack, image, 1.0f, juce::Colours::transparentBlack, 0.0f);
    button->setTriggeredOnMouseDown(true);
    RSWidgetSupport::reachByMouseOnly(*button);
    button->addListener(this);
    return button;
}

void COrvaEditorLibrarianComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (m_EditorComponent != nullptr)
        m_EditorComponent->changeListenerCallback(source);
    if (m_UserButtonContainer != nullptr)
        m_UserButtonContainer->changeListenerCallback(source);
    if (m_GlobalSubTab != nullptr)
        m_GlobalSubTab->changeListenerCallback(source);
    for (auto* tab : m_FileSubTabs)
        if (auto* page = tab != nullptr ? dynamic_cast<RSLibFileComponentBase*>(tab->getContentComponent()) : nullptr)
            page->changeListenerCallback(source);
}

void COrvaEditorLibrarianComponent::handleGlobalPanelMessage(const juce::Message& message)
{
    if (m_GlobalPanel != nullptr)
        m_GlobalPanel->handleMessageSub(message);
    if (m_GlobalSubTab != nullptr)
        m_GlobalSubTab->handleMessageSub(message);
}

void COrvaEditorLibrarianComponent::buttonClicked(juce::Button* button)
{
    auto* actions = actionManager();
    if (actions == nullptr || ReEntrantLocked || m_TabPanel == nullptr)
        return;
    const ReEntryGuard guard(ReEntrantLocked);

    if (invokeFileButton(button, *actions))
        return;

    auto& bar = m_TabPanel->getTabbedButtonBar();
    if (auto* close = dynamic_cast<RSCloseButton*>(button))
    {
        // The last open file cannot be closed with its own close button.
        const int n = bar.getNumTabs();
        const int t = close->getTabBarButton() != nullptr ? close->getTabBarButton()->getIndex() : -1;
        if (n < 2 || t < 0)
            return;
        const int model = getFileCommandModel();
        if (actions->executeFileClose(model, t))
            actions->afterFileCloseUI(model, t);
        return;
    }

    if (auto* tabButton = dynamic_cast<juce::TabBarButton*>(button))
    {
        const int t = tabButton->getIndex();
        const bool changed = m_TabPanel->m_TabChanged;
        m_TabPanel->m_TabChanged = false;
        if (t < 0 || (changed && m_TabPanel->getX() == m_HomeRect.getX()))
            return;
        if (m_Collapsed)
        {
            m_Collapsed = false;
            slideTo(m_HomeRect);
        }
        else
        {
            m_Collapsed = true;
            slideTo(getFoldedRectangle());
        }
    }
}

juce::Rectangle<int> COrvaEditorLibrarianComponent::getFoldedRectangle() const
{
    auto* controller = guiController();
    const int display = controller != nullptr ? controller->displayUserArea.getWidth() : 0;
    const int editorWidth = m_EditorComponent != nullptr ? m_EditorComponent->getWidth() : m_EditorWidth;
    const int visible = juce::jmax(display - editorWidth, m_TabDepth);
    return m_HomeRect.withX(m_HomeRect.getX() - juce::jmax(0, m_HomeRect.getWidth() - visible));
}

void COrvaEditorLibrarianComponent::slideTo(juce::Rectangle<int> target)
{
    if (m_TabPanel != nullptr)
        m_Animator.animateComponent(m_TabPanel, target, 1.0f, 500, false, 0.0, 0.0);
}

void COrvaEditorLibrarianComponent::ROMSUbTabMove(bool open)
{
    if (m_TabPanel == nullptr || (m_TabPanel->getX() == m_HomeRect.getX()) == open)
        return;
    m_Collapsed = ! open;
    slideTo(open ? m_HomeRect : getFoldedRectangle());
}

bool COrvaEditorLibrarianComponent::isInterestedInFileDrag(const juce::StringArray& files)
{
    return files.size() > 0 && files[0].endsWithIgnoreCase(getProgramFileExtension());
}

juce::Component* COrvaEditorLibrarianComponent::getFileSubTabComponent(int index)
{
    return index >= 0 && index < numFileTabs ? m_FileSubTabs[index] : nullptr;
}

juce::Component* COrvaEditorLibrarianComponent::getFirstFileSubTabComponent(int* index)
{
    for (int f = 0; f < numFileTabs; ++f)
        if (m_FileSubTabs[f] != nullptr && ! m_FileSubTabs[f]->isInUse())
        {
            m_FileSubTabs[f]->setInUse(true);
            if (index != nullptr)
                *index = f;
            return m_FileSubTabs[f];
        }
    if (index != nullptr)
        *index = numFileTabs;
    return nullptr;
}

// --- The command layer's view of the tabs ---------------------------------------

int COrvaEditorLibrarianComponent::getNumTabs() const
{
    return m_TabPanel != nullptr ? m_TabPanel->getNumTabs() : 0;
}

int COrvaEditorLibrarianComponent::getCurrentTabIndex() const
{
    return m_TabPanel != nullptr ? m_TabPanel->getCurrentTabIndex() : -1;
}

void COrvaEditorLibrarianComponent::setCurrentTabIndex(int tabIndex)
{
    if (m_TabPanel == nullptr)
        return;
    m_TabPanel->setCurrentTabIndex(tabIndex);
    // The changed flag tells of clicks that switch tabs, not of this.
    m_TabPanel->m_TabChanged = false;
}

juce::String COrvaEditorLibrarianComponent::getTabTitle(int tabIndex) const
{
    return m_TabPanel != nullptr ? m_TabPanel->getTabNames()[tabIndex] : juce::String();
}

RSLibFileSubTabBase* COrvaEditorLibrarianComponent::subTabOfTab(int tabIndex) const
{
    if (m_TabPanel == nullptr || tabIndex < 0 || tabIndex >= m_TabPanel->getNumTabs())
        return nullptr;
    return dynamic_cast<RSLibFileSubTabBase*>(m_TabPanel->getTabContentComponent(tabIndex));
}

RSLibFileComponentBase* COrvaEditorLibrarianComponent::getFilePageOfTab(int tabIndex) const
{
    auto* tab = subTabOfTab(tabIndex);
    return tab != nullptr ? dynamic_cast<RSLibFileComponentBase*>(tab->getContentComponent()) : nullptr;
}

bool COrvaEditorLibrarianComponent::addFileTab(int fileTab, const juce::String& title)
{
    // The new tab's page comes to the front without taking the focus from
    // where it is (the parameter area, the user slots).
    const FocusHandOver::KeptInPlace keepFocus;
    if (m_TabPanel == nullptr || fileTab != m_TabPanel->getNumTabs())
        return false;
    int index = numFileTabs;
    auto* tab = dynamic_cast<RSLibFileSubTabBase*>(getFirstFileSubTabComponent(&index));
    if (tab == nullptr)
        return false;

    m_TabPanel->addTab(title, juce::Colour(0xFF4F4F4F), tab, false, fileTab);
    auto& bar = m_TabPanel->getTabbedButtonBar();
    if (auto* tabButton = bar.getTabButton(fileTab))
    {
        auto* close = new RSCloseButton(tabButton, "close");
        close->addListener(this);
        tabButton->setExtraComponent(close, juce::TabBarButton::afterText);
        tabButton->addListener(this);
    }
    setCurrentTabIndex(fileTab);

    if (auto* page = dynamic_cast<RSLibFileComponentBase*>(tab->getContentComponent()))
    {
        page->RenewFileIndex(fileTab);
        page->RenewButtonImages();
        // Its radio group left the last slot on: show the current program.
        page->changeListenerCallback(nullptr);
    }
    enableFirstCloseButton();
    placeNewFileButton();
    return true;
}

void COrvaEditorLibrarianComponent::removeFileTab(int tabIndex)
{
    auto* tab = subTabOfTab(tabIndex);
    if (tab == nullptr)
        return;
    if (auto* page = dynamic_cast<RSLibFileComponentBase*>(tab->getContentComponent()))
        page->SetToggleStateAll(false);
    tab->setInUse(false);
    m_TabPanel->removeTab(tabIndex);

    // The later files moved down by one: their pages follow.
    for (int t = 0; t < m_TabPanel->getNumTabs(); ++t)
        if (auto* page = getFilePageOfTab(t))
        {
            page->RenewFileIndex(t);
            page->RenewButtonImages();
            page->changeListenerCallback(nullptr);
        }
    if (m_TabPanel->getNumTabs() > 0)
        setCurrentTabIndex(juce::jmax(0, tabIndex - 1));
    m_TabPanel->m_TabChanged = false;
    enableFirstCloseButton();
    placeNewFileButton();
}

void COrvaEditorLibrarianComponent::enableFirstCloseButton()
{
    // The last open file stays open: its close button is drawn disabled.
    auto& bar = m_TabPanel->getTabbedButtonBar();
    if (auto* tabButton = bar.getTabButton(0))
        if (auto* close = dynamic_cast<RSCloseButton*>(tabButton->getExtraComponent()))
            close->setEnabled(bar.getNumTabs() > 1);
}

void COrvaEditorLibrarianComponent::focusUserProgramButtons()
{
    FocusHandOver::give(m_UserButtonContainer);
}

void COrvaEditorLibrarianComponent::repaintUserProgramButtons()
{
    if (m_UserButtonContainer != nullptr)
        m_UserButtonContainer->repaint();
}
