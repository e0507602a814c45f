// main() for the test programs: the program's own application object (with its error
// handler), headless unless told otherwise.
#pragma once

#include "app/kolomat_aplikace.h"

#include <QTest>

#define KOLOMAT_TEST_MAIN(TestTrida)                                                               \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        KolomatAplikace aplikace(argc, argv);                                                      \
        TestTrida test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
