// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consolewindow.h"

#include "app/consolelayout.h"
#include "app/zoom.h"
#include "controls/artwork.h"
#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "controls/shiftstate.h"
#include "controls/twips.h"
#include "services/delay.h"
#include "services/randomsource.h"
#include "services/windowmanager.h"
#include "settings/captions.h"
#include "settings/language.h"
#include "settings/languagedialog.h"
#include "settings/numbertext.h"
#include "settings/programstate.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

ConsoleWindow::ConsoleWindow(const Services &services, ProgramState &program)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), services_(services),
      settings_(services.store), wave_(services.sound, services.waveDirectory), program_(program),
      c_(ConsoleLayout::build(this)), panels_(c_, services.random, Timer3),
      flicker_(c_, services.random, Timer2),
      cycling_(c_, services.random, Timer1, [this]() -> PictureStore & { return images(); }),
      stardate_(*c_.Label14, services.clock), drag_(*this, c_, state_),
      ramp_(c_, state_, settings_), alerts_(c_, state_, program_, ramp_),
      bars_(c_, state_, program_, services.random, services.delay, wave_, ramp_, alerts_),
      barSettings_(program_, settings_, wave_, ramp_),
      power_({*this, c_, state_, settings_, wave_, services.delay, bars_, ramp_,
              [this] { centrePicture1(); }}),
      blank_({c_, state_, settings_, wave_, services.delay, services.pointer, services.screenSaver,
              [this] { return mouse(); }, [this] { return windowTwips(); }, [this] { repaint(); }}),
      options_({settings_, program_, wave_, [this]() -> PictureStore & { return images(); },
                prompts_, [this] { ramp_.DispColorText(); }, [this] { ramp_.InitColor(); }},
               *this),
      keys_(c_, {[this] { power_.endSequence(); }, [this] { power_.label15Click(); },
                 [this] { options_.label17Click(); }, [this] { bars_.label16Click(); },
                 [this] { bars_.label12Click(); }, [this] { options_.ExtInfo(); },
                 [this] { power_.minimise(); }, [this] { blank_.blankAtOnce(); }})
{
    setWindowTitle(QStringLiteral("KORVA-Interface"));
    setWindowIcon(QIcon(Artwork::picture(QStringLiteral("icon"))));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    resize(Twips::toPixels(QSizeF(12105, 7965)));

    const struct
    {
        QTimer *timer;
        int interval;
    } timers[] = {{&Timer1, 600},  {&Timer2, 600}, {&Timer3, 600},
                  {&Timer4, 1000}, {&Timer5, 50},  {&Timer6, 100}};
    for (const auto &entry : timers) {
        entry.timer->setTimerType(Qt::PreciseTimer);
        entry.timer->setInterval(entry.interval);
    }
    connect(&Timer1, &QTimer::timeout, this, [this] { cycling_.timer1Tick(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { flicker_.timer2Tick(); });
    connect(&Timer3, &QTimer::timeout, this, [this] { panels_.timer3Tick(); });
    connect(&Timer4, &QTimer::timeout, this, [this] { stardate_.timer4Tick(); });
    connect(&Timer5, &QTimer::timeout, this, [this] { alerts_.timer5Tick(); });
    connect(&Timer6, &QTimer::timeout, this, [this] { blank_.timer6Tick(); });
    refitLater_.setSingleShot(true);
    refitLater_.setInterval(250);
    connect(&refitLater_, &QTimer::timeout, this, &ConsoleWindow::refit);
    connectClicks();
}

QTimer &ConsoleWindow::timer(int number)
{
    QTimer *timers[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6};
    return *timers[number - 1];
}

PictureStore &ConsoleWindow::images()
{
    if (!Images)
        Images = std::make_unique<PictureStore>();
    return *Images;
}

QSizeF ConsoleWindow::screenTwips() const
{
    const QSize pixels = screen()->geometry().size();
    return QSizeF(NumberText::roundHalfEven(Twips::fromPixels(pixels.width())),
                  NumberText::roundHalfEven(Twips::fromPixels(pixels.height())));
}

QSizeF ConsoleWindow::windowTwips() const
{
    // Before the first show the full-screen window has not got its size yet:
    // it will be the screen's.
    if (!isVisible())
        return screenTwips();
    // The platform's word on the size, which the widget learns a little later.
    const QSize pixels = windowHandle()->geometry().size();
    return QSizeF(NumberText::roundHalfEven(Twips::fromPixels(pixels.width())),
                  NumberText::roundHalfEven(Twips::fromPixels(pixels.height())));
}

void ConsoleWindow::centrePicture1()
{
    const QSizeF window = windowTwips();
    c_.Picture1->setTwipTop(window.height() / 2 - c_.Picture1->twipHeight() / 2);
    c_.Picture1->setTwipLeft(window.width() / 2 - c_.Picture1->twipWidth() / 2);
}

void ConsoleWindow::setFit(Fit fit)
{
    fit_ = fit;
    if (fit_ != Fit::Screen)
        return;
    // The platform window tells of a move to another screen.
    winId();
    connect(windowHandle(), &QWindow::screenChanged, this, &ConsoleWindow::refit,
            Qt::UniqueConnection);
}

void ConsoleWindow::refit()
{
    if (fit_ == Fit::None)
        return;
    const QSizeF room = fit_ == Fit::Screen ? QSizeF(screen()->geometry().size()) : QSizeF(size());
    rezoom(Zoom::fit(room));
    // A console fitted to its window fills it; one fitted to its screen is
    // centred there when it covers it, and keeps its corner in a window.
    if (fit_ == Fit::Window || (windowState() & Qt::WindowFullScreen))
        centrePicture1();
}

void ConsoleWindow::rezoom(double factor)
{
    if (factor == Twips::zoom())
        return;
    // A dialog shown over the console was laid out at the zoom it opened
    // with; the console follows once it is closed.
    if (QApplication::activeModalWidget()) {
        refitLater_.start();
        return;
    }
    Twips::setZoom(factor);
    TwipControl::rezoomAll(this);
    if (Images)
        Images->rezoom();
    blank_.fitToWindow();
    update();
}

void ConsoleWindow::load()
{
    if (fit_ != Fit::Window)
        setWindowState(Qt::WindowFullScreen);
    centrePicture1();
    Mouse = std::make_unique<cCursor>(services_.pointer);
    languageStep();
    state_.BarsRunning = false;
    state_.ScreenOff = false;
    program_.InfoOnly = false;
    program_.AniDir = settings_.int16(SettingKey::AniDir);
    program_.AniSpeed = settings_.int16(SettingKey::AniSpeed);
    program_.Ani = settings_.int16(SettingKey::Ani);
    state_.BarsStarted = false;
    c_.Label13->setForeColor(ColorValue::PanelBlue);
    c_.Label14->setForeColor(ColorValue::PanelBlue);
    for (int i = 1; i <= 9; ++i)
        c_.PicBar[i]->setTwipWidth(0);
    ramp_.DispColorText();
    ramp_.InitColor();
    colourNumberLabels();
    show();
    placeWithoutWindowManager(Qt::WindowNoState);
    if ((windowState() & Qt::WindowFullScreen) || fit_ == Fit::Window)
        centrePicture1();
    else if (windowState() == Qt::WindowNoState)
        c_.Picture1->setTwipGeometry({0, 0, c_.Picture1->twipWidth(), c_.Picture1->twipHeight()});

    // The timers start with the console in its start state, so the first
    // ticks find the panels blank and coloured.
    for (int number = 1; number <= 6; ++number)
        timer(number).start();
}

void ConsoleWindow::languageStep()
{
    if (asksLanguage_ && Language::unchosen(settings_)) {
        LanguageDialog dialog(settings_);
        // Its place counts from the corner of the console's screen.
        dialog.setScreen(screen());
        dialog.move(screen()->geometry().topLeft() + dialog.pos());
        dialog.exec();
    }
    if (Language::english(settings_))
        Captions::ApplyEnglishCaptions(c_.Bezeichnung6, c_.Label17, c_.Label15);
}

void ConsoleWindow::colourNumberLabels()
{
    for (int p = 1; p <= 11; ++p) {
        for (int i = 1; i <= 7; ++i) {
            const int choice = services_.random.choose(2);
            c_.Panel[p][i]->setForeColor(choice == 1 ? ColorValue::PanelBlue
                                                     : ColorValue::PanelOrange);
            c_.Panel[p][i]->setCaption(QString());
        }
    }
}

void ConsoleWindow::connectClicks()
{
    // A caption label and the invisible area around it do the same.
    const auto onClick = [this](std::initializer_list<TwipControl *> controls,
                                const std::function<void()> &handler) {
        for (TwipControl *control : controls)
            connect(control, &TwipControl::clicked, this, handler);
    };
    onClick({c_.Label12, c_.Image1}, [this] { bars_.label12Click(); });
    onClick({c_.Label16, c_.Image6}, [this] { bars_.label16Click(); });
    onClick({c_.Label15, c_.Image7}, [this] { power_.label15Click(); });
    onClick({c_.Bezeichnung6, c_.Anzeige1}, [this] { power_.endSequence(); });
    onClick({c_.Label17, c_.Image9}, [this] { options_.label17Click(); });
    onClick({c_.Image2}, [this] { barSettings_.image2Click(); });
    onClick({c_.Image3}, [this] { barSettings_.image3Click(); });
    onClick({c_.Image8}, [this] { barSettings_.image8Click(); });
    onClick({c_.Image4}, [this] { blank_.blankAtOnce(); });
    onClick({c_.Picture4, c_.Image5, c_.Label13, c_.Label14},
            [this] { blank_.blackScreenClick(); });
    for (int i = 1; i <= 4; ++i)
        onClick({c_.Picture2[i]}, [this, i] { power_.picture2Click(i); });
    for (int i = 1; i <= 9; ++i)
        connect(c_.PicBar[i], &TwipControl::twipResized, this,
                [this, i] { bars_.picBarResize(i); });
}

void ConsoleWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const Qt::WindowStates oldState = static_cast<QWindowStateChangeEvent *>(event)->oldState();
    // Leaving the normal state, the window still has its normal size and place.
    if (oldState == Qt::WindowNoState)
        normalGeometry_ = geometry();
    if (isVisible())
        placeWithoutWindowManager(oldState);
}

void ConsoleWindow::placeWithoutWindowManager(Qt::WindowStates oldState)
{
    if (WindowManager::makesWindowsFullScreen())
        return;
    // Nobody else places the window: cover the screen, and give the normal
    // window its size and place back.
    if (windowState() & Qt::WindowFullScreen)
        windowHandle()->setGeometry(screen()->geometry());
    else if (windowState() == Qt::WindowNoState && (oldState & Qt::WindowFullScreen))
        windowHandle()->setGeometry(normalGeometry_);
}

void ConsoleWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The window manager decides the full-screen window's size, at a time
    // of its choosing; the artwork stays in the middle of whatever it is. A
    // fitted console is fitted anew to every size.
    if (fit_ != Fit::None)
        refit();
    else if (windowState() & Qt::WindowFullScreen)
        centrePicture1();
}

void ConsoleWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        keys_.formKeyUp(event->key(), ShiftState::of(event->modifiers()));
    QWidget::keyReleaseEvent(event);
}

void ConsoleWindow::closeEvent(QCloseEvent *event)
{
    // Closed by the system or the window manager: the program ends at once.
    event->accept();
    services_.delay.endProgram();
}

void ConsoleWindow::keyPressEvent(QKeyEvent *event)
{
    // The console sees every key that types a character; with Alt held a key
    // is a command instead.
    if (!event->text().isEmpty() && !(event->modifiers() & Qt::AltModifier))
        blank_.characterKey();
    QWidget::keyPressEvent(event);
}
