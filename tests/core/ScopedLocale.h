// Switching one locale category for the length of a test.
#pragma once

#include <clocale>
#include <string>

namespace vorlex::test {

/// Sets locale `category` (LC_ALL, LC_COLLATE, ...) to `name` while alive and puts the previous setting back;
/// Ok() is false when that locale is not installed.
class ScopedLocale {
  public:
    ScopedLocale(int category, const char* name)
        : category_(category), old_(std::setlocale(category, nullptr)) {
        ok_ = std::setlocale(category, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(category_, old_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;
    bool Ok() const { return ok_; }

  private:
    int category_;
    std::string old_;
    bool ok_ = false;
};

}  // namespace vorlex::test
