#include "clone/port_map.h"

#include "core/command_text.h"
#include "core/settings_store.h"

namespace {

constexpr std::string_view kSlotPrefix = "COM";
constexpr std::string_view kDefaultDevicePrefix = "/dev/ttyS";

} // namespace

std::string PortSlotName(unsigned slot)
{
    return std::string(kSlotPrefix) + std::to_string(slot);
}

std::string PortDeviceValueName(unsigned slot)
{
    return std::string(settings::kDeviceValuePrefix) + std::to_string(slot);
}

std::string DefaultPortDevice(unsigned slot)
{
    return std::string(kDefaultDevicePrefix) + std::to_string(slot - kFirstPortSlot);
}

unsigned PortSlotOf(std::string_view name)
{
    if (name.ends_with(':')) {
        name.remove_suffix(1);
    }
    if (name.size() != kSlotPrefix.size() + 1 ||
        !EqualsNoCase(name.substr(0, kSlotPrefix.size()), kSlotPrefix)) {
        return 0;
    }
    const char digit = name.back();
    if (digit < '0' + static_cast<int>(kFirstPortSlot) || digit > '0' + static_cast<int>(kLastPortSlot)) {
        return 0;
    }
    return static_cast<unsigned>(digit - '0');
}

std::string ResolvePortDevice(std::string_view name, const ISettingsStore* store)
{
    const unsigned slot = PortSlotOf(name);
    if (slot == 0) {
        return std::string(name);
    }
    std::string fallback = DefaultPortDevice(slot);
    if (store == nullptr) {
        return fallback;
    }
    std::string path = store->GetString(settings::kCommPort, PortDeviceValueName(slot), fallback);
    return path.empty() ? fallback : path;
}
