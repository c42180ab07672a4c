#include "support/chelp.h"

#include "platform/text.h"

namespace pelicast {

void CHelp::Show(const QString& NewFile, const QString& WindowPane, std::optional<int> ContextID) {
    QString file = NewFile;
    if (!WindowPane.isEmpty())
        file = TrimBlanks(NewFile) + QLatin1Char('>') + TrimBlanks(WindowPane);
    if (!ContextID)
        help_.HtmlHelp(nullptr, file, platform::HH_DISPLAY_TOPIC, 0);
    else
        help_.HtmlHelp(nullptr, file, platform::HH_HELP_CONTEXT, *ContextID);
}

}  // namespace pelicast
