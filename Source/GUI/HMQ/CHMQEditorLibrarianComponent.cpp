#include "GUI/HMQ/CHMQEditorLibrarianComponent.h"

#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "Core/MyMessage.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/HMQ/HMQCustomAmpComponent.h"
#include "GUI/HMQ/HMQCustomBaseSubTab.h"
#include "GUI/HMQ/HMQCustomFXComponent.h"
#include "GUI/HMQ/HMQEditorComponent.h"
#include "GUI/HMQ/HMQLibFileComponent.h"
#include "GUI/HMQ/HMQLibFileSubTab.h"
#include "GUI/HMQ/HMQLibROMBankComponent.h"
#include "GUI/HMQ/HMQLibROMBankSubTab.h"
#include "GUI/HMQ/HMQLibROMSubTab.h"
#include "GUI/HMQ/HMQTabbedComponent.h"
#include "GUI/HMQ/HMQUserButtonContainerComponent.h"
#include "GUI/HMQ/HMQUserSubTab.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/RSCloseButton.h"
#include "GUI/Widgets/RSWidgetSupport.h"

bool CHMQEditorLibrarianComponent::ReEntrantLocked = false;

namespace
{
constexpr int hmqModel = 1;

ActionManager* actionManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getActionManager() : nullptr;
}

void setButtonImages(juce::ImageButton& button, const char* imageName)
{
    const auto image = RSWidgetSupport::getImage(imageName);
    button.setImages(false, true, false, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f, juce::Colour(0x000000FF),
                     image, 1.0f, juce::Colours::transparentBlack, 0.0f);
    button.setTriggeredOnMouseDown(true);
}
} // namespace

CHMQEditorLibrarianComponent::CHMQEditorLibrarianComponent() = default;

CHMQEditorLibrarianComponent::~CHMQEditorLibrarianComponent()
{
    if (auto* actions = actionManager())
        if (actions->getFileTabView() == this)
            actions->setFileTabView(nullptr);
    // The tab panel holds the tabs without owning them: it goes first.
    delete m_TabbedComponent;
    m_TabbedComponent = nullptr;
    delete m_LowerPanel;
    m_LowerPanel = nullptr;
    for (auto*& tab : m_FileSubTabs)
    {
        delete tab;
        tab = nullptr;
    }
}

HMQTabbedComponent* CHMQEditorLibrarianComponent::getTabPanel() const noexcept
{
    return static_cast<HMQTabbedComponent*>(m_TabbedComponent);
}

HMQLibROMSubTab* CHMQEditorLibrarianComponent::getPresetTab() const noexcept
{
    return static_cast<HMQLibROMSubTab*>(m_FirstSubTab);
}

void CHMQEditorLibrarianComponent::paint(juce::Graphics& g)
{
    CEditorLibrarianComponent::paint(g);
}

void CHMQEditorLibrarianComponent::initialise()
{
    if (m_TabbedComponent != nullptr)
        return;
    m_SlidOut = false;

    juce::Rectangle<int> window(0, 0, 1024, 768);
    if (auto* host = Host::getInstance())
        if (auto* controller = host->getMasterGuiController())
            if (! controller->windowBounds.isEmpty())
                window = controller->windowBounds;
    const int W = juce::jmin(window.getWidth(), 1024);
    const int H = juce::jmin(window.getHeight(), 768);
    const int L = W / 4;
    m_ColumnWidth = L;
    m_EditorWidth = W - L;
    m_Depth = H / 24;
    setBounds(2, 0, W - 4, H);

    auto* editor = new HMQEditorComponent(W - L, editorHeight);
    m_EditorComponent = editor;
    addAndMakeVisible(editor);
    editor->initialize();
    editor->setBounds(L, 0, W - L, editorHeight);

    m_HomeRect = { 0, 36, L, H - 36 };

    m_LowerPanel = new HMQUserSubTab(L, editorHeight, W - L, H - editorHeight);
    m_LowerPanel->initialise();
    addAndMakeVisible(m_LowerPanel);

    auto* presetTab = new HMQLibROMSubTab(0, 36, L, H - 36 - m_Depth, m_Depth);
    m_FirstSubTab = presetTab;
    presetTab->initialise();
    for (int f = 0; f < 3; ++f)
        m_FileSubTabs[f] = new HMQLibFileSubTab(0, 36, L, H - 36 - m_Depth, f);

    m_ContentRect = { 0, m_Depth, L, H - 36 - m_Depth };
    m_SubTabContentRect = m_ContentRect;
    presetTab->setBounds(m_ContentRect);
    for (auto* tab : m_FileSubTabs)
        tab->setBounds(m_ContentRect);

    auto* panel = new HMQTabbedComponent();
    m_TabbedComponent = panel;
    panel->m_TabChanged = false;
    panel->m_PreviousTabIndex = -1;
    panel->m_CurrentTabIndex = -1;
    panel->m_FirstTabFixed = true;
    panel->setBounds(m_HomeRect);
    panel->setTabBarDepth(m_Depth);
    panel->getTabbedButtonBar().setColour(juce::TabbedButtonBar::tabTextColourId, juce::Colour(0xFFD4D4D4).withAlpha(0.4f));
    panel->getTabbedButtonBar().setColour(juce::TabbedButtonBar::frontTextColourId, juce::Colour(0xFFD4D4D4));
    panel->addTab("PRESET", juce::Colours::white, presetTab, false, 0);
    panel->setTabBackgroundColour(0, juce::Colour(0xFF4F4F4F));
    if (auto* button = panel->getTabbedButtonBar().getTabButton(0))
    {
        button->addListener(this);
        button->setTriggeredOnMouseDown(true);
    }
    addAndMakeVisible(panel);
    presetTab->setVisible(true);

    auto* open = new juce::ImageButton();
    m_OpenFileButton = open;
    setButtonImages(*open, "openfile_50x50w");
    open->setBounds(10, 7, 25, 25);
    auto* save = new juce::ImageButton();
    m_SaveFileButton = save;
    setButtonImages(*save, "savefile_50x50w");
    save->setBounds(50, 7, 25, 25);
    auto* newFile = new juce::ImageButton();
    m_TabBarButton = newFile;
    setButtonImages(*newFile, "tabbuttonextra");
    newFile->setSize(20, 20);
    for (auto* button : { open, save, newFile })
    {
        RSWidgetSupport::reachByMouseOnly(*button);
        button->addListener(this);
    }
    addAndMakeVisible(open);
    addAndMakeVisible(save);
    panel->addAndMakeVisible(newFile);
    placeNewFileButton();

    if (auto* actions = actionManager())
        actions->setFileTabView(this);
}

HMQEditorComponent* CHMQEditorLibrarianComponent::getEditorPage() const
{
    return dynamic_cast<HMQEditorComponent*>(m_EditorComponent);
}

void CHMQEditorLibrarianComponent::renewPresetButtons()
{
    if (auto* presets = getPresetTab())
        for (int bank = 0; bank < 3; ++bank)
            if (auto* tab = presets->getBankTab(bank))
                if (auto* page = tab->getBankPage())
                    page->RenewButtonImages();
}

void CHMQEditorLibrarianComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (m_EditorComponent != nullptr)
        m_EditorComponent->changeListenerCallback(source);
    if (m_UserButtonContainer != nullptr)
        m_UserButtonContainer->changeListenerCallback(source);
    if (m_LowerPanel != nullptr)
        m_LowerPanel->changeListenerCallback(source);
    if (auto* presets = getPresetTab())
    {
        presets->changeListenerCallback(source);
        for (int bank = 0; bank < 3; ++bank)
            if (auto* tab = presets->getBankTab(bank))
                if (auto* page = tab->getBankPage())
                    page->changeListenerCallback(source);
    }
    for (auto* tab : m_FileSubTabs)
        if (tab != nullptr)
            if (auto* page = tab->getFilePage())
                page->changeListenerCallback(source);
}

int CHMQEditorLibrarianComponent::getSlideDistance() const
{
    int display = 0;
    if (auto* host = Host::getInstance())
        if (auto* controller = host->getMasterGuiController())
            display = controller->displayUserArea.getWidth();
    return juce::jmax(0, m_ColumnWidth - juce::jmax(display - m_EditorWidth, m_Depth));
}

void CHMQEditorLibrarianComponent::moveTabPanel(bool home)
{
    auto* panel = getTabPanel();
    if (panel == nullptr)
        return;
    m_SlidOut = ! home;
    const auto target = home ? m_HomeRect : m_HomeRect.translated(-getSlideDistance(), 0);
    m_Animator.animateComponent(panel, target, 1.0f, 500, false, 0.0, 0.0);
}

void CHMQEditorLibrarianComponent::buttonClicked(juce::Button* button)
{
    auto* actions = actionManager();
    if (actions == nullptr || ReEntrantLocked)
        return;
    const ReEntryGuard guard(ReEntrantLocked);

    if (invokeFileButton(button, *actions))
        return;

    auto* panel = getTabPanel();
    if (panel == nullptr)
        return;
    auto& bar = panel->getTabbedButtonBar();
    auto indexOf = [&bar](const juce::TabBarButton* tabButton) {
        for (int i = 0; i < bar.getNumTabs(); ++i)
            if (bar.getTabButton(i) == tabButton)
                return i;
        return -1;
    };

    if (auto* close = dynamic_cast<RSCloseButton*>(button))
    {
        const int t = indexOf(close->getTabBarButton());
        if (t <= 0)
            return;
        if (actions->executeFileClose(hmqModel, t - 1))
            actions->afterFileCloseUI(hmqModel, t);
        return;
    }

    if (auto* tabButton = dynamic_cast<juce::TabBarButton*>(button))
    {
        const int t = indexOf(tabButton);
        const bool changed = panel->m_TabChanged;
        panel->m_TabChanged = false;
        if (t < 0)
            return;
        // A click that switched tabs while the panel is at home leaves it there.
        if (changed && panel->getX() == m_HomeRect.getX())
            return;
        moveTabPanel(m_SlidOut);
    }
}

void CHMQEditorLibrarianComponent::ROMSUbTabMove(bool shouldShow)
{
    auto* panel = getTabPanel();
    if (panel == nullptr)
        return;
    const bool atHome = panel->getX() == m_HomeRect.getX();
    if (atHome == shouldShow)
        return;
    moveTabPanel(shouldShow);
}

void CHMQEditorLibrarianComponent::handleMessage(const juce::Message& message)
{
    CEditorLibrarianComponent::handleMessage(message);
}

void CHMQEditorLibrarianComponent::handleSectionEvent(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr || m_LowerPanel == nullptr)
        return;
    auto* custom = m_LowerPanel->getCustomPage();
    auto toPages = [custom, &message] {
        if (custom == nullptr)
            return;
        if (auto* amp = custom->getAmpContainer())
            amp->handleMessageSub(message);
        for (auto* page : { custom->getPedal1Container(), custom->getPedal2Container(), custom->getReverbContainer() })
            if (page != nullptr)
                page->handleMessageSub(message);
    };

    switch (myMessage->getId())
    {
        case 1:
            toPages();
            m_LowerPanel->handleMessageSub(message);
            break;
        case 3:
            if (custom != nullptr)
                custom->handleMessageSub(message);
            toPages();
            break;
        case 13: toPages(); break;
        case 7:
        case 12: m_LowerPanel->handleMessageSub(message); break;
        default: break;
    }
}

bool CHMQEditorLibrarianComponent::isInterestedInFileDrag(const juce::StringArray& files)
{
    return files.size() > 0 && files[0].endsWithIgnoreCase(".hmqprog");
}

juce::Component* CHMQEditorLibrarianComponent::getFileSubTabComponent(int index)
{
    return juce::isPositiveAndBelow(index, 3) ? m_FileSubTabs[index] : nullptr;
}

juce::Component* CHMQEditorLibrarianComponent::getFirstFileSubTabComponent(int* index)
{
    for (int f = 0; f < 3; ++f)
        if (m_FileSubTabs[f] != nullptr && ! m_FileSubTabs[f]->isInUse())
        {
            m_FileSubTabs[f]->setInUse(true);
            if (index != nullptr)
                *index = f;
            return m_FileSubTabs[f];
        }
    if (index != nullptr)
        *index = 3;
    return nullptr;
}

UserButtonContainerComponent* CHMQEditorLibrarianComponent::getUserButtonContainer()
{
    return m_LowerPanel != nullptr ? m_LowerPanel->getUserButtonContainer() : nullptr;
}

// FileTabView ---------------------------------------------------------------------

int CHMQEditorLibrarianComponent::getNumTabs() const
{
    auto* panel = getTabPanel();
    return panel != nullptr ? panel->getNumTabs() : 0;
}

int CHMQEditorLibrarianComponent::getCurrentTabIndex() const
{
    auto* panel = getTabPanel();
    return panel != nullptr ? panel->getCurrentTabIndex() : -1;
}

void CHMQEditorLibrarianComponent::setCurrentTabIndex(int tabIndex)
{
    if (auto* panel = getTabPanel())
    {
        panel->setCurrentTabIndex(tabIndex, true);
        // The changed flag tells of clicks that switch tabs, not of this.
        panel->m_TabChanged = false;
    }
}

juce::String CHMQEditorLibrarianComponent::getTabTitle(int tabIndex) const
{
    auto* panel = getTabPanel();
    return panel != nullptr && juce::isPositiveAndBelow(tabIndex, panel->getNumTabs()) ? panel->getTabNames()[tabIndex]
                                                                                       : juce::String();
}

HMQLibFileSubTab* CHMQEditorLibrarianComponent::fileSubTabAt(int tabIndex) const
{
    auto* panel = getTabPanel();
    return panel != nullptr ? dynamic_cast<HMQLibFileSubTab*>(panel->getTabContentComponent(tabIndex)) : nullptr;
}

bool CHMQEditorLibrarianComponent::addFileTab(int fileTab, const juce::String& title)
{
    // The new tab's page comes to the front without taking the focus from
    // where it is (the parameter area, the user slots).
    const FocusHandOver::KeptInPlace keepFocus;
    auto* panel = getTabPanel();
    if (panel == nullptr || ! juce::isPositiveAndBelow(fileTab, 3))
        return false;
    int index = 3;
    auto* subTab = dynamic_cast<HMQLibFileSubTab*>(getFirstFileSubTabComponent(&index));
    if (subTab == nullptr)
        return false;

    const int position = juce::jmin(fileTab + 1, panel->getNumTabs());
    panel->addTab(title, juce::Colours::lightgrey, subTab, false, position);
    panel->setTabBackgroundColour(position, juce::Colour(0xFF4F4F4F));
    if (auto* tabButton = panel->getTabbedButtonBar().getTabButton(position))
    {
        auto* close = new RSCloseButton(tabButton, "close");
        close->addListener(this);
        tabButton->setExtraComponent(close, juce::TabBarButton::afterText);
        tabButton->addListener(this);
        tabButton->setTriggeredOnMouseDown(true);
    }
    subTab->setBounds(m_ContentRect);
    if (auto* page = subTab->getFilePage())
    {
        page->RenewFileIndex(fileTab);
        page->RenewButtonImages();
        page->changeListenerCallback(nullptr);
    }
    panel->setCurrentTabIndex(position, true);
    panel->m_TabChanged = false;
    placeNewFileButton();
    return true;
}

void CHMQEditorLibrarianComponent::removeFileTab(int tabIndex)
{
    auto* panel = getTabPanel();
    if (panel == nullptr || tabIndex <= 0 || tabIndex >= panel->getNumTabs())
        return;
    const int previous = panel->getCurrentTabIndex();
    if (auto* subTab = fileSubTabAt(tabIndex))
    {
        if (auto* page = subTab->getFilePage())
            page->SetToggleStateAll(false);
        subTab->setInUse(false);
    }
    panel->removeTab(tabIndex);
    panel->setCurrentTabIndex(juce::jmax(0, previous - 1), true);
    panel->m_TabChanged = false;

    // The later files moved down by one in the data centre.
    for (int t = 1; t < panel->getNumTabs(); ++t)
        if (auto* subTab = fileSubTabAt(t))
            if (auto* page = subTab->getFilePage())
            {
                page->RenewFileIndex(t - 1);
                page->RenewButtonImages();
                page->changeListenerCallback(nullptr);
            }
    placeNewFileButton();
}

void CHMQEditorLibrarianComponent::focusUserProgramButtons()
{
    FocusHandOver::give(getUserButtonContainer());
}

void CHMQEditorLibrarianComponent::repaintUserProgramButtons()
{
    if (auto* container = getUserButtonContainer())
        container->repaint();
}
