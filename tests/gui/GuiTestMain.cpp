// Runs the window tests inside one QApplication on the offscreen platform, with two screens and the font
// the windows were designed for.
#include <QApplication>
#include <QFont>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include "ui/Scale.h"

int main(int argc, char** argv) {
    // A large primary screen and, right of it, a small one (a 1280 x 800 screen at scale 2).
    QTemporaryFile screens;
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "offscreen") && screens.open()) {
        screens.write(R"({"screens": [
            {"name": "large", "x": 0, "y": 0, "width": 2560, "height": 1600, "logicalDpi": 96, "dpr": 1},
            {"name": "small", "x": 2560, "y": 0, "width": 640, "height": 400, "logicalDpi": 96, "dpr": 1}]})");
        screens.flush();
        platform = "offscreen:configfile=" + screens.fileName().toLocal8Bit();
    }
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QApplication app(argc, argv);
    // Scale 1 unless a test sets a larger font.
    QFont font = QApplication::font();
    font.setPixelSize(vorlex::ui::kDesignFontPixels);
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
