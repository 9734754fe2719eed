#include "GUI/MasterGuiManager.h"

#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "GUI/MainComponent.h"
#include "GUI/MainWindow.h"

MasterGuiManager::MasterGuiManager()
{
    if (auto* bus = MessageEngine::instance())
        bus->addListener(this);
}

MasterGuiManager::~MasterGuiManager()
{
    mainWindow.reset();
    if (auto* bus = MessageEngine::instance())
        bus->removeListener(this);
}

MainWindow* MasterGuiManager::createMainWindow()
{
    if (mainWindow == nullptr)
        mainWindow = std::make_unique<MainWindow>();
    return mainWindow.get();
}

MainComponent* MasterGuiManager::getMainComponent() const
{
    return mainWindow != nullptr ? mainWindow->getMainComponent() : nullptr;
}

int MasterGuiManager::getCurrentTargetModel() const
{
    return MainComponent::m_TargetModelId;
}

void MasterGuiManager::changeTargetModel(int model)
{
    if (auto* main = getMainComponent())
        main->changeTargetModel(model);
}

void MasterGuiManager::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr)
        return;
    juce::ignoreUnused(myMessage);
}
