// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/blankscreentests.h"
#include "power/keyboardmaptests.h"
#include "power/pointertests.h"
#include "power/powertests.h"

#include <QApplication>
#include <QtTest>

// Runs every test class of the power folder; fails when any of them fails.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int status = 0;
    {
        PointerTests tests;
        status |= QTest::qExec(&tests, argc, argv);
    }
    {
        PowerTests tests;
        status |= QTest::qExec(&tests, argc, argv);
    }
    {
        BlankScreenTests tests;
        status |= QTest::qExec(&tests, argc, argv);
    }
    {
        KeyboardMapTests tests;
        status |= QTest::qExec(&tests, argc, argv);
    }
    return status;
}
