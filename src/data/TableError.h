#pragma once

#include "text/Errors.h"

namespace ravik {

// An error of a table component: "Table1: message".
class TableError : public Error {
public:
    TableError(const QString& component, const QString& message)
        : Error(component + QStringLiteral(": ") + message) {}
};

} // namespace ravik
