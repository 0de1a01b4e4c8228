#pragma once
// Form6 "季節帯設定" / "水噴射 季節帯設定": the start and end dates of the four seasons,
// read with "RS"/"BS", written with "WS"/"DS", kept in SEASN.TXT / SEASN_WJ.TXT. The kind is
// taken at load (caption, file) and again at each read and write.
#include "BandsWindow.h"

class SeasonBandsDialog : public BandsWindow {
    Q_OBJECT
public:
    explicit SeasonBandsDialog(const WindowServices &services);
    static void wire(const WindowServices &services);

    void read();
    void write();
    void showSeasonsReply(const QByteArray &reply);
};
