#include "platform/FileAccess.h"

namespace vorlex::platform {

int ReplaceFileContent(const std::string& path, std::string_view content) {
    ReplacingFile file;
    if (int err = file.Open(path); err != 0) {
        return err;
    }
    if (int err = file.Write(content); err != 0) {
        return err;
    }
    return file.Commit();
}

}  // namespace vorlex::platform
