#include "platform/Display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

namespace vorlex::platform {

namespace {

// Connects to the local stream socket `path`, in the abstract namespace when `abstract`; true on success.
bool CanConnect(const std::string& path, bool abstract) {
    sockaddr_un addr{};
    const size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof addr.sun_path) {
        return false;
    }
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path + offset, path.data(), path.size());
    auto len =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    // A full backlog (EAGAIN) still means a server is there.
    bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0 || errno == EAGAIN;
    close(fd);
    return ok;
}

bool XDisplayReachable(const std::string& display) {
    size_t colon = display.rfind(':');
    if (colon == std::string::npos) {
        return false;
    }
    std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") {
        return true;  // over the network: not tried
    }
    std::string number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const std::string socket = "/tmp/.X11-unix/X" + number;
    return CanConnect(socket, false) || CanConnect(socket, true);
}

bool WaylandReachable(const std::string& name) {
    if (name.front() == '/') {
        return CanConnect(name, false);
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime != nullptr && *runtime != '\0' && CanConnect(std::string(runtime) + "/" + name, false);
}

}  // namespace

bool GraphicalSessionReachable() {
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x != nullptr && *x != '\0' && XDisplayReachable(x)) ||
           (w != nullptr && *w != '\0' && WaylandReachable(w));
}

}  // namespace vorlex::platform
