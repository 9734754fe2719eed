#include "GUI/CDWQEditorLibrarianComponent.h"

#include "Application/Host.h"
#include "GUI/DWQEditorComponent.h"
#include "GUI/MasterGuiController.h"

CDWQEditorLibrarianComponent::CDWQEditorLibrarianComponent() = default;

CDWQEditorLibrarianComponent::~CDWQEditorLibrarianComponent() = default;

DWQEditorComponent* CDWQEditorLibrarianComponent::getEditorPage() const
{
    return dynamic_cast<DWQEditorComponent*>(m_EditorComponent);
}

void CDWQEditorLibrarianComponent::initialise()
{
    juce::Rectangle<int> window(0, 0, 1024, 768);
    if (auto* host = Host::getInstance())
        if (auto* controller = host->getMasterGuiController())
            if (! controller->windowBounds.isEmpty())
                window = controller->windowBounds;
    const int w = juce::jmin(window.getWidth(), 1024);
    const int h = juce::jmin(window.getHeight(), 768);
    columnWidth = w / 4;
    setBounds(2, 0, w - 4, h);

    auto* editor = new DWQEditorComponent(w - columnWidth, editorHeight);
    m_EditorComponent = editor;
    addAndMakeVisible(editor);
    editor->initialize();
    editor->setBounds(columnWidth, 0, w - columnWidth, editorHeight);
}

void CDWQEditorLibrarianComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (m_EditorComponent != nullptr)
        m_EditorComponent->changeListenerCallback(source);
}

bool CDWQEditorLibrarianComponent::isInterestedInFileDrag(const juce::StringArray& files)
{
    return files.size() > 0 && files[0].endsWithIgnoreCase(".dwqprog");
}

juce::Component* CDWQEditorLibrarianComponent::getFirstFileSubTabComponent(int* index)
{
    if (index != nullptr)
        *index = 3;
    return nullptr;
}
