#pragma once

#include <QString>
#include <optional>

#include "platform/help_service.h"

namespace pelicast {

// Opens the compiled help file at its default topic or at a numbered context,
// in a help window of its own (no owner).
class CHelp {
public:
    explicit CHelp(platform::HelpService& help) : help_(help) {}

    void Show(const QString& NewFile, const QString& WindowPane = {},
              std::optional<int> ContextID = std::nullopt);

private:
    platform::HelpService& help_;
};

}  // namespace pelicast
