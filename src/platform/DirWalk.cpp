#include "platform/DirWalk.h"

#include <vector>

namespace vorlex::platform {

std::string ResolveDotSegments(std::string_view prefix, std::string_view path) {
    std::vector<std::string_view> parts;
    std::string_view rest(path);
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
            continue;
        }
        parts.push_back(part);
    }
    std::string out(prefix);
    for (std::string_view part : parts) {
        out.append(part);
        out.push_back('/');
    }
    return out;
}

}  // namespace vorlex::platform
