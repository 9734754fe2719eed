#include "EQ/CAudioEQManager.h"

CAudioEQManager::CAudioEQManager(double sampleRate)
{
    bands[0] = new EQCoefHolder(EQCoefHolder::LowShelf, sampleRate, true);
    bands[1] = new EQCoefHolder(EQCoefHolder::Peaking, sampleRate, true);
    bands[2] = new EQCoefHolder(EQCoefHolder::Peaking, sampleRate, true);
    bands[3] = new EQCoefHolder(EQCoefHolder::HighShelf, sampleRate, true);
}

CAudioEQManager::~CAudioEQManager()
{
    for (auto*& band : bands)
    {
        delete band;
        band = nullptr;
    }
    // Singleton's destructor clears the instance pointer.
}

EQCoefHolder* CAudioEQManager::getBand(int band) const noexcept
{
    if (band < 1 || band > numBands)
        return nullptr;
    return bands[(size_t) (band - 1)];
}
