#pragma once

#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"

#include <QString>

#include <memory>

namespace kelvad {

// One of the three small windows by its design name, owned by the test.
inline std::unique_ptr<SmallWindow> makeWindow(const QString& name, QWidget* owner) {
    if (name == QLatin1String("Form2")) {
        return std::make_unique<Form2>(owner);
    }
    if (name == QLatin1String("Form3")) {
        return std::make_unique<Form3>(owner);
    }
    return std::make_unique<Form4>(owner);
}

}  // namespace kelvad
