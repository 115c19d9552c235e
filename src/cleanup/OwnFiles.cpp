#include "cleanup/OwnFiles.h"

#include <algorithm>

#include "platform/DirWalk.h"
#include "platform/Paths.h"

namespace vorlex::cleanup {

namespace {

// Records every entry below the help folder, hidden ones and subfolders included.
class Collector final : public platform::WalkVisitor {
  public:
    explicit Collector(std::vector<std::pair<std::uint64_t, std::uint64_t>>& out) : out_(out) {}
    platform::WalkControl OnEntry(const platform::WalkEntry& entry) override {
        out_.emplace_back(entry.facts.device, entry.facts.inode);
        return platform::WalkControl::Continue;
    }
    platform::WalkControl AfterEntries(std::string_view) override { return platform::WalkControl::Continue; }
    bool ShouldEnter(std::string_view, std::string_view, bool) override { return true; }
    void OnAccessDenied(std::string_view) override {}
    void OnMountPointSkipped(std::string_view) override {}

  private:
    std::vector<std::pair<std::uint64_t, std::uint64_t>>& out_;
};

}  // namespace

OwnFiles OwnFiles::Collect(const std::string& programFolder, const std::vector<std::string>& dataNames) {
    OwnFiles own;
    own.folder_ = platform::WithTrailingSlash(programFolder);
    own.names_ = dataNames;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ids;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    if (platform::ProgramFileIdentity(device, inode) == 0) {
        ids.emplace_back(device, inode);
    }
    platform::EntryFacts facts;
    for (const std::string& name : dataNames) {
        if (platform::StatPath(own.folder_ + name, facts) == 0) {
            ids.emplace_back(facts.device, facts.inode);
        }
    }
    Collector collector(ids);
    platform::WalkTree(platform::NormalizeDirectoryPath(own.folder_ + kHelpFolderName), collector);
    for (const auto& [d, i] : ids) {
        own.keys_.push_back({d, i});
    }
    std::sort(own.keys_.begin(), own.keys_.end());
    return own;
}

bool OwnFiles::Holds(const scan::ResultRow& row) const {
    if (std::binary_search(keys_.begin(), keys_.end(), Key{row.device, row.inode})) {
        // The listed file may have gone since the scan and its inode number gone to one of the program's
        // files: only the listed path still naming that file counts.
        platform::EntryFacts now;
        if (platform::StatPath(row.path, now) == 0 && now.device == row.device && now.inode == row.inode) {
            return true;
        }
    }
    const std::string_view path(row.path);
    if (folder_.empty() || path.size() <= folder_.size() || path.substr(0, folder_.size()) != folder_) {
        return false;
    }
    const std::string_view name = path.substr(folder_.size());
    if (name.find('/') != std::string_view::npos) {
        return false;
    }
    return std::any_of(names_.begin(), names_.end(), [name](const std::string& own) {
        return name.size() > own.size() + 4 && name.substr(0, own.size()) == own &&
               name.substr(own.size(), 4) == ".tmp";
    });
}

}  // namespace vorlex::cleanup
