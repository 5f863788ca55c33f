// The main of the test binaries that need widgets: one application object for
// the whole run, on Qt's offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/Application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    norvalt::TApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
