#pragma once

#include "interchange/image_compare.h"

#include <memory>
#include <string>
#include <vector>

class CCloneSession;
class CL52RadioData;
class CRadioData;

// An empty document with the same transceiver profile as `like`, for an image that must never reach
// `like` itself. It neither reads nor writes the settings store.
std::unique_ptr<CL52RadioData> SeparateDocument(const CRadioData& like);

struct STransceiverComparison
{
    // The clone read's outcome: 0, 1, 77, 85, 90 or 91.
    int outcome = 0;
    // The document's values before the arrow, the transceiver's after it; empty unless outcome is 0.
    std::vector<SImageDifference> differences;
};

// Reads the transceiver as a clone read does (information, version check against the document's
// profile, the whole memory), but into a separate document, without an archive copy, and compares
// the document with it. The document, and everything the document keeps, stay as they were.
STransceiverComparison CompareWithTransceiver(CRadioData& document, CCloneSession& session,
                                              const std::string& exchangeFile);
