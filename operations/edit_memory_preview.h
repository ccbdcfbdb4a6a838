#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CRigCore;
class ICommandTarget;

// What the Edit Memory dialog's controls hold, in the channel's own value words ("Dup-", "TONE",
// "Wide FM", ...); the three texts as typed, in UTF-8.
struct SEditMemoryValues
{
    std::string frequency;
    std::string offset;
    std::string duplex;
    std::string repeaterTone;
    std::string tsqlTone;
    std::string tuningStep;
    std::string name;
    std::string toneMode;
    std::string mode;
    bool skip = false;
};

// The channel commands the dialog's OK sends, in order and without the channel's prefix: every field
// ("KEY=value"), then "APPEAR" and "HEAL". A decimal comma counts as a point; a frequency that is not a
// number above 0 and below 2000 MHz is sent empty (the stored one stays) and blanks the channel. A
// name's character outside ASCII is one character, so it becomes one blank.
std::vector<std::string> EditMemoryCommands(const SEditMemoryValues& values);

// The FREQUENCY value OK sends for the typed text: empty for a text that is no usable frequency.
std::string SentFrequency(const std::string& typed);

// Sends EditMemoryCommands to the channel with the prefix ("CH.MCH.5.").
void WriteEditMemory(ICommandTarget& data, std::string_view prefix, const SEditMemoryValues& values);

// What OK would make of a value where the channel does not keep it as typed; empty where it does.
struct SEditMemoryHints
{
    std::string frequency;
    std::string offset;
    std::string name;
    std::string mode;

    bool operator==(const SEditMemoryHints&) const = default;
};

// The transceiver version as the "MODEL." commands answer it.
struct SEditMemoryProfile
{
    std::string country;
    std::string expand;
    std::string matrix50;
};

// Runs OK's commands on a scratch channel of a transceiver of the same version, so the hints tell
// exactly what the channel record and its repair will store, without touching the document.
class CEditMemoryPreview
{
public:
    // The row is a channel list row; the stored frequency is the channel's "FREQUENCY" answer, empty for
    // a blank channel.
    CEditMemoryPreview(const SEditMemoryProfile& profile, int row, std::string storedFrequency);
    ~CEditMemoryPreview();
    CEditMemoryPreview(const CEditMemoryPreview&) = delete;
    CEditMemoryPreview& operator=(const CEditMemoryPreview&) = delete;

    SEditMemoryHints Hints(const SEditMemoryValues& values);

private:
    std::string Read(std::string_view key);
    void Write(std::string_view key, std::string_view value);

    std::unique_ptr<CRigCore> m_scratch;
    std::string m_prefix;
    std::string m_storedFrequency;
    // A call channel keeps no name: the dialog does not offer one.
    bool m_callRow;
};
