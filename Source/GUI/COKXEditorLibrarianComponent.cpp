#include "GUI/COKXEditorLibrarianComponent.h"

#include "Application/Host.h"
#include "GUI/MasterGuiController.h"
#include "GUI/OKXEditorComponent.h"

COKXEditorLibrarianComponent::COKXEditorLibrarianComponent() = default;

COKXEditorLibrarianComponent::~COKXEditorLibrarianComponent() = default;

void COKXEditorLibrarianComponent::initialise()
{
    // The screen's size from the window bounds the GUI controller keeps.
    juce::Rectangle<int> window(0, 0, 1024, 768);
    if (auto* host = Host::getInstance())
        if (auto* controller = host->getMasterGuiController())
            if (! controller->windowBounds.isEmpty())
                window = controller->windowBounds;
    const int width = juce::jmin(window.getWidth(), 1024);
    const int height = juce::jmin(window.getHeight(), 768);
    // The librarian column takes the left quarter.
    m_ColumnWidth = width / 4;
    setBounds(2, 0, width - 4, height);

    auto* page = new OKXEditorComponent(width - m_ColumnWidth, editorHeight);
    m_EditorComponent = page;
    addAndMakeVisible(page);
    page->initialize();
    page->setBounds(m_ColumnWidth, 0, width - m_ColumnWidth, editorHeight);
}

void COKXEditorLibrarianComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (m_EditorComponent != nullptr)
        m_EditorComponent->changeListenerCallback(source);
}

bool COKXEditorLibrarianComponent::isInterestedInFileDrag(const juce::StringArray& files)
{
    return files.size() > 0 && files[0].endsWithIgnoreCase(".okxprog");
}

juce::Component* COKXEditorLibrarianComponent::getFileSubTabComponent(int)
{
    return nullptr;
}

juce::Component* COKXEditorLibrarianComponent::getFirstFileSubTabComponent(int* index)
{
    if (index != nullptr)
        *index = 3;
    return nullptr;
}
