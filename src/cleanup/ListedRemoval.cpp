#include "cleanup/ListedRemoval.h"

#include <cerrno>

#include "platform/Errors.h"

namespace vorlex::cleanup {

bool SplitBelowRoot(std::string_view rootPrefix, std::string_view path, std::string_view& relativeDir,
                    std::string_view& name) {
    if (rootPrefix.empty() || rootPrefix.back() != '/' || path.size() <= rootPrefix.size() ||
        path.substr(0, rootPrefix.size()) != rootPrefix) {
        return false;
    }
    std::string_view rel = path.substr(rootPrefix.size());
    if (!rel.empty() && rel.back() == '/') {
        rel.remove_suffix(1);
    }
    if (rel.empty()) {
        return false;  // the root itself
    }
    for (std::string_view rest = rel; !rest.empty();) {
        const std::size_t cut = rest.find('/');
        const std::string_view part = rest.substr(0, cut);
        if (part.empty() || part == "." || part == "..") {
            return false;  // the scan never builds such a path
        }
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }
    const std::size_t slash = rel.rfind('/');
    relativeDir = slash == std::string_view::npos ? std::string_view() : rel.substr(0, slash);
    name = slash == std::string_view::npos ? rel : rel.substr(slash + 1);
    return !name.empty();
}

Removal RemovalOf(const platform::RemoveResult& result) {
    switch (result.status) {
        case platform::RemoveStatus::Removed:
            return {RemovalVerdict::Removed, 0};
        case platform::RemoveStatus::Replaced:
            return {RemovalVerdict::Replaced, 0};
        case platform::RemoveStatus::NoLongerOld:
            return {RemovalVerdict::NoLongerOld, 0};
        case platform::RemoveStatus::Changed:
            return {RemovalVerdict::Changed, 0};
        case platform::RemoveStatus::Failed:
            break;
    }
    return {RemovalVerdict::Failed, result.error};
}

namespace {

// Reaches the parent of `path` below `root` as RemoveListed does, then runs `act(parent, name)`.
template <typename Act>
Removal AtParent(const platform::DirHandle& root, std::string_view rootPrefix, std::string_view path,
                 platform::DescriptorCloser* closer, Act act) {
    std::string_view relativeDir;
    std::string_view name;
    if (!SplitBelowRoot(rootPrefix, path, relativeDir, name)) {
        return {RemovalVerdict::OutsideTree, 0};
    }
    if (!root.Valid()) {
        return {RemovalVerdict::Failed, ENOENT};
    }
    platform::DirHandle parent;
    if (int err = platform::OpenBeneath(root, relativeDir, parent); err != 0) {
        if (err == ELOOP || err == ENOTDIR || err == EXDEV) {
            return {RemovalVerdict::PathChanged, err};
        }
        return {RemovalVerdict::Failed, err};
    }
    const platform::RemoveResult result = act(parent, name);
    if (closer != nullptr) {
        closer->Close(std::move(parent));
    }
    return RemovalOf(result);
}

}  // namespace

Removal RemoveListed(const platform::DirHandle& root, std::string_view rootPrefix, std::string_view path,
                     const platform::EntryIdentity& expected, const platform::AgeRule& age,
                     platform::EntryFacts* seen, platform::DescriptorCloser* closer) {
    return AtParent(root, rootPrefix, path, closer,
                    [&](const platform::DirHandle& parent, std::string_view name) {
                        return platform::RemoveIfUnchanged(parent, name, expected, age, seen, closer);
                    });
}

Removal TrashListed(const platform::DirHandle& root, std::string_view rootPrefix, std::string_view path,
                    const platform::EntryIdentity& expected, const platform::AgeRule& age,
                    platform::TrashCans& trash, platform::EntryFacts* seen,
                    platform::DescriptorCloser* closer) {
    return AtParent(
        root, rootPrefix, path, closer, [&](const platform::DirHandle& parent, std::string_view name) {
            return platform::TrashIfUnchanged(parent, name, path, expected, age, trash, seen, closer);
        });
}

int OpenCheckedRoot(const std::string& rootPrefix, const std::optional<TreeRootIdentity>& scanned,
                    platform::DirHandle& out, CleanupHost& host) {
    const std::string shown(platform::WithoutTrailingSlash(rootPrefix));
    platform::EntryFacts facts;
    int err = platform::OpenTreeRoot(rootPrefix, out);
    if (err == 0) {
        err = platform::StatHandle(out, facts);
    }
    if (err != 0) {
        out = platform::DirHandle();
        host.PassFailed(err == ENOENT
                            ? RootGoneText(rootPrefix)
                            : "ERROR: The folder " + shown + " cannot be opened; deletion stopped.\n" +
                                  "REASON: " + platform::ErrorText(err));
        return err;
    }
    if (scanned && (facts.device != scanned->device || facts.inode != scanned->inode)) {
        out = platform::DirHandle();
        host.PassFailed("ERROR: The folder " + shown +
                        " is no longer the folder that was scanned; deletion stopped.");
        return ESTALE;
    }
    return 0;
}

std::string RootGoneText(std::string_view rootPrefix) {
    return "ERROR: The folder " + std::string(platform::WithoutTrailingSlash(rootPrefix)) +
           " no longer exists; deletion stopped.";
}

std::string RemovalReasonText(const Removal& removal, bool directory) {
    const char* what = directory ? "The directory" : "The file";
    switch (removal.verdict) {
        case RemovalVerdict::Removed:
            return platform::ErrorText(0);
        case RemovalVerdict::Failed:
            return platform::ErrorText(removal.error);
        case RemovalVerdict::Replaced:
            return std::string(what) + " was replaced since the scan";
        case RemovalVerdict::NoLongerOld:
            return std::string(what) + " was changed since the scan and is no longer old enough";
        case RemovalVerdict::Changed:
            return std::string(what) + " was changed since the scan";
        case RemovalVerdict::PathChanged:
            return "A directory on its path was replaced by a link, a file or a mount point since the scan";
        case RemovalVerdict::OutsideTree:
            return "The path is not inside the scanned directory";
        case RemovalVerdict::OwnFile:
            return std::string(what) + " belongs to Vorlex itself (its program, help or data files)";
    }
    return {};
}

}  // namespace vorlex::cleanup
