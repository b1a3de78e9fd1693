// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing the curve into the ECU and reading it back, as the window shows
// it: the two buttons, the progress bar, the profile name a 90-cell unit
// keeps, and what each outcome means to the user. The session does the
// transfer; this panel asks for it and tells the result.
//
// Before every write the user sees what changes against what the unit
// holds (read first when that is not known, after a failed write): one line
// in the status bar, and a question, with the unit's curve shown over the
// editor's, when points get much leaner or the unit is not the bike's.

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

#include "history/bikeregistry.h"
#include "session/ecuresult.h"

class QLabel;
class QProgressBar;
class QPushButton;
class WindowContext;

class TransferPanel : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QPushButton *write = nullptr;  // btSaveFlash
        QPushButton *read = nullptr;   // btReadFlash
        QProgressBar *progress = nullptr;
        QPushButton *close = nullptr;  // btClose: not while a write runs
    };

    // What the history adds to a write of `values`: whether the linked unit
    // is the bike's, and for a restore the label naming the entry and its K,
    // written with the curve.
    struct WriteNote {
        UnitCheck unit = UnitCheck::NoUnitYet;
        QString label;
        std::optional<int> k;
    };
    using WriteNotes = std::function<WriteNote(const QVector<int> &values)>;

    TransferPanel(WindowContext &context, const Widgets &widgets, QObject *parent = nullptr);
    ~TransferPanel() override;
    void setWriteNotes(WriteNotes notes) { writeNotes = std::move(notes); }

    // Writes the editor's curve (a 90-cell unit keeps the profile's file
    // name, so without a file one is saved first: fileNeededForWrite).
    void write();
    // Reads the unit's curve into the editor, after asking about unsaved work.
    void read();
    // The result of a read or a write, as the user is told it.
    void showResult(const EcuResult &result);
    void setPercent(int percent);
    void clearProgress();
    void retranslate();
    // What the progress bar says runs: "Lettura", "Backup", "Scrittura", "Verifica".
    static QString phaseText(EcuPhase phase);

signals:
    // A write waits for the profile to be saved under a name.
    void fileNeededForWrite();

private:
    void applyRead();
    // The preview of the write about to start; false: the user stopped it.
    bool previewAccepted(const WriteNote &note);
    QString pointNames(const QVector<int> &points) const;
    void reportMismatches(const EcuResult &result);
    void updateEnabled();
    void showEcuDifference();

    WindowContext &ctx;
    Widgets ui;
    QLabel *profileLabel = nullptr;
    QLabel *notWrittenLabel = nullptr;  // the editor holds what the ECU does not
    WriteNotes writeNotes;
    bool readingForWrite = false;  // a read that a write's preview waits for
    QString writeSummary;          // what the running write changes
};
