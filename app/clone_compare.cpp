#include "app/clone_compare.h"

#include "clone/clone_commands.h"
#include "clone/clone_session.h"
#include "core/rig/radio_data.h"

std::unique_ptr<CL52RadioData> SeparateDocument(const CRadioData& like)
{
    // Without a settings store: a document made from the stored profile would store its own profile
    // again when it goes, and the document being compared may not carry the stored one.
    auto separate = std::make_unique<CL52RadioData>();
    separate->Initialize();
    separate->MatchProfile(like.GetProfile(), false);
    return separate;
}

STransceiverComparison CompareWithTransceiver(CRadioData& document, CCloneSession& session,
                                              const std::string& exchangeFile)
{
    STransceiverComparison comparison;
    const std::unique_ptr<CL52RadioData> received = SeparateDocument(document);
    CCloneCommands commands(*received, session, exchangeFile);
    commands.SetArchive(nullptr);
    comparison.outcome = commands.Read();
    if (comparison.outcome == clone_outcome::kSuccess) {
        comparison.differences = CompareDocuments(document, *received);
    }
    return comparison;
}
