#include <QtTest>

class TstSound : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TstSound)
#include "tst_sound.moc"
