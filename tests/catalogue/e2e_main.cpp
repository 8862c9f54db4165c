// The end-to-end tests need a QApplication, and the program's scheme registered before it.
#include "pages/web/WebScheme.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    webscheme::Register();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
