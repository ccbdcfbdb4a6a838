#pragma once

#include <string>
#include <string_view>

class ISettingsStore;

// The four port slots "COM1" to "COM4" of the cloning commands and the device path each one stands
// for. The path of slot n is kept in the settings store under "CommPort"/"Device<n>"; without a
// stored path slot n is /dev/ttyS<n-1>.

inline constexpr unsigned kFirstPortSlot = 1;
inline constexpr unsigned kLastPortSlot = 4;

namespace settings {
inline constexpr std::string_view kDeviceValuePrefix = "Device";
} // namespace settings

// "COM1" for slot 1.
std::string PortSlotName(unsigned slot);
// "Device1" for slot 1: the value under "CommPort" that holds the slot's device path.
std::string PortDeviceValueName(unsigned slot);
std::string DefaultPortDevice(unsigned slot);

// The slot a port name stands for ("COM1" to "COM4", any letter case, an optional trailing ':'),
// or 0 when the name is not a slot name.
unsigned PortSlotOf(std::string_view name);

// The device path to open for a port name: a slot name through the store (a null store gives the
// defaults), anything else unchanged as a path.
std::string ResolvePortDevice(std::string_view name, const ISettingsStore* store);
