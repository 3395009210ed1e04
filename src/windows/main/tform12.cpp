// TForm12: the splash. Shown first; after five seconds it brings up the main window and the
// navigation panel, after seven it goes. Its picture is wiped in from the right.
#include "windows/main/tform12.h"

#include "windows/main/app_pictures.h"
#include "windows/main/tform1.h"
#include "windows/main/tform6.h"
#include "common/errors.h"
#include "widgets/caption_button.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

TForm12* Form12 = nullptr;

namespace {
const QSize kSplashSize(249, 185);
constexpr int kWipeStep = 5; // pixels per Timer2 tick
constexpr int kWipeTicks = 68;
constexpr int kShowTick = 5;
constexpr int kHideTick = 7;

QTimer* StartTimer(QObject* owner, int interval)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(interval);
    return timer;
}
} // namespace

TForm12::TForm12(QWidget* parent) : SkinnedWindow(parent)
{
    resize(kSplashSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    const QPixmap picture = SplashPicture(kSplashSize);
    SetSkin(picture);
    skinRegion_ = mask();
    CaptionButton1 = new CaptionButton(this);
    Timer1 = StartTimer(this, 1000);
    Timer2 = StartTimer(this, 50);
    connect(Timer1, &QTimer::timeout, this, Guarded(this, &TForm12::Timer1Timer));
    connect(Timer2, &QTimer::timeout, this, Guarded(this, &TForm12::Timer2Timer));
    FormCreate();
}

void TForm12::FormCreate()
{
    RevealFromRight();
    Timer1->start();
    Timer2->start();
}

void TForm12::Timer1Timer()
{
    ++startTicks_;
    if (startTicks_ == kShowTick) {
        Form1->showMaximized();
        Form6->show();
        ShowInFront();
    }
    if (startTicks_ == kHideTick) {
        hide();
        Timer1->stop();
    }
}

void TForm12::SkipSplash()
{
    Timer1->stop();
    Timer2->stop();
    hide();
    Form1->showMaximized();
    Form6->show();
}

void TForm12::Timer2Timer()
{
    ++wipeTicks_;
    RevealFromRight();
    if (wipeTicks_ == kWipeTicks) Timer2->stop();
}

// The wipe edge stands 5 pixels further left on every tick, so the whole picture is in after
// 50 ticks and stays until the splash goes.
void TForm12::RevealFromRight()
{
    const int revealed = std::min(width(), kWipeStep * (wipeTicks_ + 1));
    const QRegion visible = skinRegion_ & QRect(width() - revealed, 0, revealed, height());
    // An empty mask would show the whole window at once.
    if (!visible.isEmpty()) SetRegion(visible);
}

// Shown again after the main window so that it stays in front of it.
void TForm12::ShowInFront()
{
    show();
    raise();
}
