#include "cli/cli_common.h"

// Builds without Qt Gui (-DZQ_BUILD_GUI=OFF) have no channel sheet renderer.
namespace cli {

bool ChannelSheetPdf(ICommandTarget& /*data*/, const std::string& /*file*/, bool /*all*/,
                     std::string& /*pdf*/, std::string& error)
{
    error = "PDF files cannot be made by this build of zql52-cli (it was built without Qt Gui)";
    return false;
}

} // namespace cli
