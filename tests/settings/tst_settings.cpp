#include <QtTest>

class TstSettings : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
