#pragma once
// Form7 "時間帯設定" / "水噴射 時間帯設定": the sixteen time bands, read in two halves
// ("RJ"/"BJ", the "C" reply, then "RK"/"BK" asked by the wiring, the "K" reply) and written
// in two frames ("WJ"/"DJ" at once, "WK"/"DK" from Timer1), kept in TZONE.TXT /
// TZONE_WJ.TXT.
#include "BandsWindow.h"

class TimeBandWriter;

class TimeBandsDialog : public BandsWindow {
    Q_OBJECT
public:
    explicit TimeBandsDialog(const WindowServices &services);
    static void wire(const WindowServices &services);

    TimeBandWriter *writer = nullptr; // the second frame and Timer1

    void read();
    void write();
    void showFirstHalf(const QByteArray &reply);
    void showSecondHalf(const QByteArray &reply);
    void secondHalfWritten();
};
