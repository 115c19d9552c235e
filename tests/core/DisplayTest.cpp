#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "platform/Display.h"

using vorlex::platform::GraphicalSessionReachable;

namespace {

/// Sets an environment variable for the life of the object, then restores it.
class ScopedVar {
  public:
    ScopedVar(const char* name, const char* value) : name_(name) {
        if (const char* old = getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVar() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedVar(const ScopedVar&) = delete;
    ScopedVar& operator=(const ScopedVar&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

/// A listening stream socket at `path`.
int Listen(const std::string& path) {
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    EXPECT_EQ(listen(fd, 1), 0);
    return fd;
}

}  // namespace

TEST(GraphicalSession, OnlyASessionThatAcceptsAConnectionCounts) {
    vorlex::test::TempDir dir;
    ScopedVar runtime("XDG_RUNTIME_DIR", dir.path.c_str());
    ScopedVar noX("DISPLAY", nullptr);
    {
        ScopedVar none("WAYLAND_DISPLAY", nullptr);
        EXPECT_FALSE(GraphicalSessionReachable());
    }
    {
        // Left over from an ended session: the socket is gone.
        ScopedVar stale("WAYLAND_DISPLAY", "wayland-7");
        EXPECT_FALSE(GraphicalSessionReachable());
        int fd = Listen(dir.path + "/wayland-7");
        EXPECT_TRUE(GraphicalSessionReachable());
        close(fd);
        // Closed but the socket file still there: nobody accepts.
        EXPECT_FALSE(GraphicalSessionReachable());
    }
    {
        ScopedVar absolute("WAYLAND_DISPLAY", (dir.path + "/abs-socket").c_str());
        int fd = Listen(dir.path + "/abs-socket");
        EXPECT_TRUE(GraphicalSessionReachable());
        close(fd);
    }
    ScopedVar noWayland("WAYLAND_DISPLAY", nullptr);
    {
        // A local X display number that no server serves.
        ScopedVar stale("DISPLAY", ":7391.0");
        EXPECT_FALSE(GraphicalSessionReachable());
    }
    {
        ScopedVar garbage("DISPLAY", "not a display");
        EXPECT_FALSE(GraphicalSessionReachable());
    }
    {
        // Another host is not tried.
        ScopedVar remote("DISPLAY", "remote.example:10.0");
        EXPECT_TRUE(GraphicalSessionReachable());
    }
}
