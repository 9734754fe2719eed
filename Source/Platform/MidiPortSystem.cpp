#include "Platform/MidiPortSystem.h"

#include "Platform/JuceMidiPortSystem.h"

#include <atomic>

namespace
{
std::atomic<MidiPortSystem*> installedSystem { nullptr };
}

MidiPortSystem& MidiPortSystem::current()
{
    static JuceMidiPortSystem juceDevices;
    if (auto* system = installedSystem.load())
        return *system;
    return juceDevices;
}

std::unique_ptr<MidiPortSystem::Watch> MidiPortSystem::watchPorts(std::function<void()>)
{
    return nullptr;
}

void MidiPortSystem::setCurrent(MidiPortSystem* system) noexcept
{
    installedSystem.store(system);
}
