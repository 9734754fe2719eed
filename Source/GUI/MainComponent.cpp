#include "GUI/MainComponent.h"

#include "Application/Host.h"
#include "Core/MyMessage.h"
#include "GUI/MasterGuiController.h"

int MainComponent::m_TargetModelId = -1;
juce::CriticalSection MainComponent::m_MainComponentCriticalSection;

MainComponent::MainComponent()
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}

MainComponent::~MainComponent() = default;

void MainComponent::initialise()
{
    auto* host = Host::getInstance();
    auto* controller = host != nullptr ? host->getMasterGuiController() : nullptr;

    int width = 1024, height = 768;
    if (controller != nullptr && ! controller->displayUserArea.isEmpty())
    {
        width = juce::jmin(controller->displayUserArea.getWidth(), 1024);
        height = juce::jmin(controller->displayUserArea.getHeight() - MasterGuiController::getTitleBarHeight(), 768);
    }
    setSize(width, height);

    if (controller != nullptr)
        controller->windowBounds = getBounds();

    if (host != nullptr)
    {
        if (auto* broadcaster = host->getChangeBroadcaster())
            broadcaster->sendChangeMessage();

        if (auto* commands = host->getCommandManager())
            if (host->getMenuBarManager() != nullptr)
                addKeyListener(commands->getKeyMappings());
    }
}

void MainComponent::changeTargetModel(int model)
{
    juce::Logger::writeToLog("@@@MainComponent::changeTargetModel(" + juce::String(model) + ")");
    m_TargetModelId = model;
}

juce::ApplicationCommandTarget* MainComponent::getNextCommandTarget()
{
    return nullptr;
}

void MainComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr)
        return;
}

void MainComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colours::black);
}
