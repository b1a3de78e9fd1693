// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bikes and their tune history in the window. Every state the unit is
// proven to hold (a read that passed, a write read back) becomes an entry
// of the linked unit's bike; the status bar says which bike that is, or
// asks for it when the unit is not known by its serial number. The history
// dialog compares an entry with the editor's curve, loads it (or some of
// its points) as one undo step, or restores it through the usual verified
// write; recordings of live data are attached to the entry the unit held.

#include <QObject>
#include <QString>
#include <QVector>

#include "analysis/mixturetypes.h"
#include "history/historylibrary.h"
#include "panels/transferpanel.h"

class HistoryRecorder;
class HistoryView;
class LiveRecorder;
class QAction;
class QToolButton;
class WindowContext;

class HistoryPanel : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QAction *history = nullptr;  // actionCronologia: the history dialog
        QAction *bike = nullptr;     // actionMoto: which bike the unit is on
    };

    HistoryPanel(WindowContext &context, const Widgets &widgets, LiveRecorder *recorder, QObject *parent = nullptr);
    ~HistoryPanel() override;

    // The profiles and backups folders changed: the history follows them.
    void setFolders();
    void showHistory();
    // Names the linked unit's bike: one of the bikes (those it probably is
    // first) or a new one typed in.
    void chooseBike();
    // For the write about to start: the unit against the bike's, and the
    // label of a restore when `values` are what an entry put in the editor.
    TransferPanel::WriteNote writeNote(const QVector<int> &values) const;
    // An analysis's files go to the entry that ran during its logs: the
    // newest whose curve holds the value in force at every point visited.
    void attachAnalysis(const Mixture::Result &result, const QStringList &files);
    void retranslate();

    HistoryRecorder *recorder() const { return rec; }
    HistoryLibrary &library() { return lib; }
    HistoryView *view() const { return dialog; }

signals:
    // A restore put its curve in the editor: the window writes it.
    void writeRequested();

private:
    void load(const HistoryEntry &entry, const QVector<int> &points, bool withK, bool forWrite);
    void compare(const HistoryEntry &entry);
    void updateBikeButton();
    void updateView();
    QString bikeName(const QString &key) const;

    WindowContext &ctx;
    Widgets ui;
    HistoryLibrary lib;
    HistoryRecorder *rec = nullptr;
    QToolButton *bikeButton = nullptr;
    HistoryView *dialog = nullptr;
    // What the last load from the history put in the editor: a write of
    // exactly that is a restore of the entry.
    struct Loaded {
        QString label;
        QVector<int> values;
        int k = 0;
    } loaded;
};
