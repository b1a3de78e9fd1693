// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the commands print, built from plain data: the device line, the
// curve as CSV, and the cells where the ECU and a profile disagree.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include "link/cdevinfo.h"
#include "profile/curvelimits.h"
#include "session/ecuimage.h"

namespace Cli {

// "HW21 - CYL4 - V2.0-R3", as the window's status bar shows it.
QString deviceText(const CDevInfo &info);
QJsonObject deviceJson(const CDevInfo &info, const QString &port);

// Engine speed of the curve's last point: a unit reporting 4 cylinders
// revs to 17000, every other one to 12000.
int maxRpm(const CDevInfo &info);
// "point,rpm,value" and one line per point; rpm = point x maxRpm / 40.
QByteArray curveCsv(const QVector<int> &values, int maxRpm);

// A cell where the ECU holds something else than it should.
struct Difference {
    int cell = 0;
    bool isK = false;
    int expected = 0;  // signed for curve points and K, else the byte
    int actual = 0;
};
// The curve and K of a profile against a read of the ECU.
QVector<Difference> compareProfile(const QVector<int> &values, int k, const EcuImage::Decoded &ecu,
                                   unsigned char hwVersion);
// A write's read-back mismatches (bytes as on the wire); the K cell of
// `hwVersion` is named as K.
QVector<Difference> fromMismatches(const QVector<EcuImage::Mismatch> &mismatches, unsigned char hwVersion);

// What a unit with `limits` would refuse of a profile, in one line:
// "punti fuori dai limiti della centralina (da -10 a 25): 3 (1275 giri/min), 7 (2975 giri/min); K = 9 fuori da 1..4"
QString limitsText(const LimitCheck &check, const CurveLimits &limits, int k, int maxRpm);

// "Cella 7: scritto 11, la centralina contiene 0"
QString writtenText(const Difference &d);
// "Cella 7: il profilo ha 11, la centralina contiene 0"
QString profileText(const Difference &d);
QJsonObject differenceJson(const Difference &d, const char *expectedKey);

} // namespace Cli
