#pragma once

namespace ravik {

class Dataset;

// Kalan = Ucret - Alinan, an empty amount counting as 0.
void applyBalanceRule(Dataset& customers);

} // namespace ravik
