#include <QtTest>

class TstApp : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
