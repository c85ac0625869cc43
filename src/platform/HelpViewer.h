#pragma once

#include <QString>

#include <optional>

namespace kelvad::platform {

// Shows the contents page of a help file in a window of its own.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Returns a description of the error when the file could not be shown.
    virtual std::optional<QString> showContents(const QString& helpFile) = 0;
};

}  // namespace kelvad::platform
