#include <gtest/gtest.h>

#include <unistd.h>

TEST(Executable, IsBuilt) {
    EXPECT_EQ(access(VORLEX_EXE, X_OK), 0);
}
