#include "platform/Errors.h"

#include <cerrno>
#include <cstring>

namespace vorlex::platform {

int LastError() {
    return errno;
}

std::string ErrorText(int code) {
    std::string text;
    if (code == kErrorInUse) {
        text = "The file is in use by another process";
    } else if (code == kErrorNoTrash) {
        text = "No trash on this file system";
    } else {
        char buf[512];
        // GNU strerror_r returns a pointer that may or may not be buf.
        const char* msg = strerror_r(code, buf, sizeof buf);
        text = msg != nullptr ? msg : "Unknown error";
    }
    if (text.size() > 256) {
        text.resize(256);
    }
    while (!text.empty()) {
        unsigned char c = static_cast<unsigned char>(text.back());
        if (c <= 32 || c == '.') {
            text.pop_back();
        } else {
            break;
        }
    }
    return text;
}

}  // namespace vorlex::platform
