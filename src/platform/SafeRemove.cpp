#include "platform/SafeRemove.h"

namespace vorlex::platform {

bool SameEntry(const EntryFacts& a, const EntryFacts& b) {
    return a.device == b.device && a.inode == b.inode && a.fileType == b.fileType;
}

bool IsExpected(const EntryFacts& facts, const EntryIdentity& expected) {
    return facts.device == expected.device && facts.inode == expected.inode &&
           facts.fileType == expected.fileType &&
           !(expected.compareCreated && facts.hasBirthTime && facts.created != expected.created);
}

bool IsUnchanged(const EntryFacts& facts, const EntryIdentity& expected) {
    return !expected.compareContent ||
           (facts.size == expected.size &&
            (expected.changeStamp == kAnyChangeStamp || facts.changeStamp == expected.changeStamp));
}

}  // namespace vorlex::platform
