#include "BalanceRule.h"

#include "Dataset.h"
#include "Field.h"

namespace ravik {

void applyBalanceRule(Dataset& customers) {
    const double fee = customers.fieldByName(QStringLiteral("Ucret"))->asFloat();
    const double received = customers.fieldByName(QStringLiteral("Alinan"))->asFloat();
    customers.fieldByName(QStringLiteral("Kalan"))->setAsFloat(fee - received);
}

} // namespace ravik
