// The Windows build has no trash yet (the Recycle Bin is not written): every move is refused as "no trash
// on this file system", so a file is kept, or deleted when the user chose that for such file systems.
#include "platform/Trash.h"

#include "platform/Errors.h"

namespace vorlex::platform {

struct TrashCans::Can {};

TrashCans::TrashCans() = default;
TrashCans::~TrashCans() = default;

int TrashCans::MoveChecked(const DirHandle&, const char*, const EntryFacts&, std::string_view) {
    return kErrorNoTrash;
}

TrashCans::Can* TrashCans::CanFor(const DirHandle&, const EntryFacts&) {
    return nullptr;
}

RemoveResult TrashIfUnchanged(const DirHandle&, std::string_view, std::string_view, const EntryIdentity&,
                              const AgeRule&, TrashCans&, EntryFacts*, DescriptorCloser*) {
    return RemoveResult{RemoveStatus::Failed, kErrorNoTrash};
}

}  // namespace vorlex::platform
