// TForm12: the splash. Shown first; after five seconds it brings up the main window and the
// navigation panel, after seven it goes. Its picture is wiped in from the right.
#pragma once

#include "widgets/skinned_window.h"

#include <QRegion>
#include <cstdint>

class CaptionButton;
class QTimer;

class TForm12 : public SkinnedWindow {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    CaptionButton* CaptionButton1; // part of the skin; it does nothing
    QTimer* Timer1;                // 1000 ms: the start-up sequence
    QTimer* Timer2;                // 50 ms: the wipe

    void FormCreate();
    // For a start that names a design: the main window and the navigation panel come up at
    // once, and the splash never shows.
    void SkipSplash();
    void Timer1Timer();
    void Timer2Timer();

private:
    void ShowInFront();
    void RevealFromRight();

    QRegion skinRegion_;
    uint8_t startTicks_ = 0;
    uint8_t wipeTicks_ = 0;
};

extern TForm12* Form12;
