// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of `analyze` (and monitor's wideband), kept apart from the
// other commands' so that each reads as one list.

#include <QString>
#include <QStringList>
#include <QVector>

class QCommandLineParser;

namespace Cli {

struct AnalyzeArgs {
    QStringList wideband;       // --wideband, repeatable
    QString columns;            // --columns TIME,MIXTURE[,RPM]
    bool hasTarget = false;
    double target = 0;          // --target (AFR, or lambda with --lambda)
    QString targetFile;         // --target-file
    bool lambda = false;
    double stoich = 14.7;
    double gain = 1.0;
    bool hasDelay = false;
    double delayMs = 0;
    bool hasOffset = false;
    double offsetMs = 0;
    int minSamples = 20;
    int maxStep = 5;
    QString base;               // --base FILE.prf
    QString output;             // -o FILE.prf
    bool hasK = false;
    int k = 0;                  // --k: K of the written profile without --base
    QVector<int> exclude;       // --exclude A-B,...
    int hw = -1;                // --hw; -1: the wider range
};

void addAnalyzeOptions(QCommandLineParser &p);
// Reads them; an empty string, or what is wrong.
QString readAnalyzeOptions(const QCommandLineParser &p, AnalyzeArgs *a);

// monitor --wideband PORT [--wideband-baud N]
void addMonitorWidebandOptions(QCommandLineParser &p);

// The options above that take a value.
bool analyzeOptionTakesValue(const QString &option);

} // namespace Cli
