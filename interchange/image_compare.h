#pragma once

#include <string>
#include <vector>

class CRadioData;
class ICommandTarget;

// One thing that differs between two documents, in the user's terms: a channel by its list row and a
// list column ("MCH 10", "Frequency"), a common setting by its name ("COMMON", "Beep"), a DTMF memory
// ("DTMF 2", no field). Values are the texts the program shows; "(blank)" and "(empty)" stand for none.
struct SImageDifference
{
    std::string place;
    std::string field;
    std::string before;
    std::string after;
};

// "MCH 10  Frequency 145.5000 -> 146.5200", "COMMON  Beep ON -> OFF", "DTMF 2  5551234 -> (empty)".
std::string FormatDifference(const SImageDifference& difference);

// The channels of the list (the cells the list shows), the common settings and the DTMF memories,
// in that order. Both documents carry the same transceiver profile. Everything is read through the
// commands, so bytes no field holds (memory_map::kKeptByte among them) and what the heal normalises never
// count.
std::vector<SImageDifference> CompareDocuments(ICommandTarget& left, ICommandTarget& right);

// The differences between a document and the clone data file at `path`, which is read into a document of
// its own with the same transceiver profile, so both are seen on equal terms. Answers the file layer's
// word: "OK" when the file loaded (the differences are filled in), otherwise why not (they stay empty).
// The document is not changed.
std::string CompareWithFile(CRadioData& document, const std::string& path,
                            std::vector<SImageDifference>& differences);
