#include "GUI/CHMQEditorLibrarianComponent.h"

#include "Application/Host.h"
#include "GUI/HMQEditorComponent.h"
#include "GUI/MasterGuiController.h"

CHMQEditorLibrarianComponent::CHMQEditorLibrarianComponent() = default;

CHMQEditorLibrarianComponent::~CHMQEditorLibrarianComponent() = default;

HMQEditorComponent* CHMQEditorLibrarianComponent::getEditorPage() const
{
    return dynamic_cast<HMQEditorComponent*>(m_EditorComponent);
}

void CHMQEditorLibrarianComponent::paint(juce::Graphics& g)
{
    CEditorLibrarianComponent::paint(g);
}

void CHMQEditorLibrarianComponent::initialise()
{
    int viewWidth = 1024, viewHeight = 768;
    auto* host = Host::getInstance();
    if (auto* controller = host != nullptr ? host->getMasterGuiController() : nullptr)
        if (! controller->windowBounds.isEmpty())
        {
            viewWidth = controller->windowBounds.getWidth();
            viewHeight = controller->windowBounds.getHeight();
        }
    const int width = juce::jmin(viewWidth, 1024);
    const int height = juce::jmin(viewHeight, 768);
    const int librarianWidth = width / 4;

    setBounds(2, 0, width - 4, height);

    auto* editor = new HMQEditorComponent(width - librarianWidth, editorHeight);
    m_EditorComponent = editor;
    addAndMakeVisible(editor);
    editor->initialize();
    editor->setBounds(librarianWidth, 0, width - librarianWidth, editorHeight);
}

void CHMQEditorLibrarianComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (m_EditorComponent != nullptr)
        m_EditorComponent->changeListenerCallback(source);
}

bool CHMQEditorLibrarianComponent::isInterestedInFileDrag(const juce::StringArray& files)
{
    return ! files.isEmpty() && files[0].endsWithIgnoreCase(".hmqprog");
}

juce::Component* CHMQEditorLibrarianComponent::getFirstFileSubTabComponent(int* index)
{
    // The program-file tabs are not part of this view yet.
    if (index != nullptr)
        *index = 3;
    return nullptr;
}
