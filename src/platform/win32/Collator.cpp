// The collator on Windows: every text goes through its sort key (CollationKey); no table is learnt.
#include "platform/Locale.h"

namespace vorlex::platform {

Collator::Collator() = default;

bool Collator::Admit(std::string_view, std::size_t) {
    return false;
}

int Collator::CompareQuick(std::string_view a, std::string_view b) const {
    return CollationKey(a).compare(CollationKey(b));
}

int Collator::CompareToKey(std::string_view text, std::string_view key) const {
    return std::string_view(CollationKey(text)).compare(key);
}

std::string Collator::Key(std::string_view text, bool) const {
    return CollationKey(text);
}

void Collator::SwapWeights(char32_t, char32_t) {}

}  // namespace vorlex::platform
