#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "services/randomsource.h"
#include "support/consolefixture.h"

#include <QScreen>
#include <QtTest>

// Start-up state, layout and stacking of the console window.
class TstApp : public QObject
{
    Q_OBJECT

    static QImage grabConsole(ConsoleFixture &f)
    {
        f.console->repaint();
        return f.console->grab().toImage();
    }
    // The colour at a point given in twips inside Picture1.
    static QColor probe(ConsoleFixture &f, const QImage &image, double x, double y)
    {
        const QPoint at = f.c().Picture1->mapTo(f.console.get(), QPointF(x, y).toPoint() / 15);
        return image.pixelColor(at * image.devicePixelRatio());
    }
    // True when every pixel of the twip rectangle inside Picture1 is black.
    static bool allBlack(ConsoleFixture &f, const QImage &image, const QRectF &twips)
    {
        for (double y = twips.top() + 8; y < twips.bottom() - 8; y += 15)
            for (double x = twips.left() + 8; x < twips.right() - 8; x += 15)
                if (probe(f, image, x, y) != Qt::black)
                    return false;
        return true;
    }

private slots:
    void startUpState()
    {
        ConsoleFixture f;
        // Every third label draws orange: the draws go panel by panel, row by row.
        for (int n = 0; n < 77; ++n)
            f.random.pushChoice(n % 3 == 0 ? 2 : 1, 2);
        f.load();
        QCOMPARE(f.random.left(), size_t(0));
        for (int n = 0; n < 77; ++n) {
            CaptionLabel *label = f.c().Panel[n / 7 + 1][n % 7 + 1];
            QVERIFY2(label->caption().isEmpty(), qPrintable(label->objectName()));
            QCOMPARE(label->foreColor(),
                     n % 3 == 0 ? ColorValue::PanelOrange : ColorValue::PanelBlue);
        }
        for (int i = 1; i <= 9; ++i)
            QCOMPARE(f.c().PicBar[i]->twipWidth(), 0.0);
        QCOMPARE(f.c().Label13->foreColor(), ColorValue::PanelBlue);
        QCOMPARE(f.c().Label14->foreColor(), ColorValue::PanelBlue);
        QVERIFY(f.sound.events.isEmpty());
        QCOMPARE(f.console->windowTitle(), QString("KORVA-Interface"));
        QVERIFY(f.console->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(f.console->windowState() & Qt::WindowFullScreen);

        for (const char *name : {"Picture3", "Label12", "Label16", "Image1", "Image6", "Picture4",
                                 "logo", "PicOff(1)", "PicOff(5)", "PicOff(8)"})
            QVERIFY2(!f.console->findChild<QWidget *>(name)->isVisibleTo(f.console.get()), name);
        for (const char *name : {"Picture1", "PicNum", "Picture2(1)", "Label15", "Label17",
                                 "Bezeichnung6", "Image2", "Image7", "Anzeige1", "Label11(7)"})
            QVERIFY2(f.console->findChild<QWidget *>(name)->isVisibleTo(f.console.get()), name);
    }

    void controlsSitInTheirContainersInPixels()
    {
        ConsoleFixture f;
        f.load();
        const struct
        {
            const char *name, *container;
            QRect pixels; // width 0: sized by its caption or its bar
        } places[] = {
            {"Image7", "Picture1", {6, 322, 100, 41}},  {"Label15", "Picture1", {41, 345, 0, 16}},
            {"Image3", "Picture1", {416, 192, 109, 9}}, {"Label1(7)", "PicNum", {8, 96, 33, 17}},
            {"PicBar(5)", "Picture3", {0, 140, 0, 29}}, {"Label14", "Picture4", {0, 400, 803, 48}},
        };
        for (const auto &place : places) {
            auto *control = f.console->findChild<TwipControl *>(place.name);
            QCOMPARE(control->parentWidget()->objectName(), QString(place.container));
            QRect want = place.pixels;
            if (want.width() == 0)
                want.setWidth(control->width());
            QCOMPARE(control->geometry(), want);
        }
        const QSize screen = f.console->screen()->geometry().size();
        QCOMPARE(f.c().Picture1->twipLeft(), screen.width() * 15 / 2.0 - 6000);
        QCOMPARE(f.c().Picture1->twipTop(), screen.height() * 15 / 2.0 - 4155);
    }

    void captionsUnderlineTheirAccessKey()
    {
        ConsoleFixture f;
        f.load();
        CaptionLabel *end = f.c().Bezeichnung6;
        const auto shot = [&] { return f.c().Picture1->grab(end->geometry()).toImage(); };
        const QImage withKey = shot();
        end->setCaption(QStringLiteral("Ende"));
        QVERIFY2(shot() != withKey, "the access-key letter is underlined");
    }

    void stackingByPixels()
    {
        ConsoleFixture f;
        f.load();
        const QRectF powerCaption(615, 5175, 915, 240), firstPill(8200, 970, 1770, 645);
        QImage image = grabConsole(f);
        QVERIFY(!allBlack(f, image, powerCaption));
        QVERIFY(!allBlack(f, image, firstPill));
        f.c().Picture3->show();
        f.c().PicBar[1]->setTwipWidth(5000);
        f.c().PicOff[2]->show();
        f.c().PicOff[7]->show();
        image = grabConsole(f);
        QVERIFY2(allBlack(f, image, powerCaption), "PicOff 2 lies above the caption labels");
        QVERIFY2(allBlack(f, image, firstPill), "PicOff 7 lies above the pills");
        // The bar graph lies above the artwork, its bars above its cyan grid.
        QCOMPARE(probe(f, image, 1870, 3240 + 450),
                 ColorValue::toQColor(f.c().PicBar[1]->backColor()));
        QCOMPARE(probe(f, image, 1800 + 7000, 3240 + 210), QColor(0, 255, 255));
        f.c().PicOff[4]->show();
        QCOMPARE(probe(f, grabConsole(f), 1870, 3240 + 450), QColor(Qt::black));
    }

    void randomDrawsAreIndependent()
    {
        // One generator seeded once: draws within one tick of the clock differ.
        SeededRandomSource random;
        double previous = -1;
        for (int n = 0; n < 1000; ++n) {
            const double u = random.next();
            QVERIFY(u >= 0 && u < 1);
            QVERIFY(u != previous);
            previous = u;
        }
    }

    void closingTheWindowEndsTheProgram()
    {
        ConsoleFixture f(true);
        f.load();
        f.console->close();
        QVERIFY(f.realDelay.ending());
        QVERIFY(!f.realDelay.wait(0.05));
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
