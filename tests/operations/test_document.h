#pragma once

#include "core/rig/radio_data.h"
#include "core/settings_store.h"

#include <memory>

// A new document (as File > New makes it) for one transceiver version: destination, coverage level and
// option flags as the profile setup stores them.
class CTestDocument
{
public:
    explicit CTestDocument(int destination = 5, int level = 0, int flags = 2)
    {
        m_store.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
        m_store.SetInt(settings::kSetupInfo, settings::kDestination, destination);
        m_store.SetInt(settings::kSetupInfo, settings::kExpandLevel, level);
        m_store.SetInt(settings::kSetupInfo, settings::kOptionFlags, flags);
        m_data = std::make_unique<CL52RadioData>(&m_store);
        m_data->Initialize();
    }

    CL52RadioData& Data() { return *m_data; }
    std::string Image() { return m_data->Execute("IMAGE"); }

private:
    CMemorySettingsStore m_store;
    std::unique_ptr<CL52RadioData> m_data;
};
