#include <QtTest>

class TstConsole : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TstConsole)
#include "tst_console.moc"
