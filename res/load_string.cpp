#include "res/load_string.h"

namespace {

constexpr char kPromptSeparator = '\n';

} // namespace

QString LoadString(int id)
{
    const std::string_view text = StringText(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PromptStatusText(int commandId)
{
    const QString prompt = LoadString(commandId);
    return prompt.section(QLatin1Char(kPromptSeparator), 0, 0);
}

QString PromptToolTip(int commandId)
{
    const QString prompt = LoadString(commandId);
    const qsizetype split = prompt.indexOf(QLatin1Char(kPromptSeparator));
    return split < 0 ? QString() : prompt.mid(split + 1);
}
