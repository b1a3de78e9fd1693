// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the panels of the main window share: the window and its status bar,
// the ECU session, the curve model with its selection, the questions put to
// the user and the folders the files go to. The window owns it; the panels
// keep a reference.

#include <QString>
#include <memory>

#include "uicommon/userprompts.h"

class CurveModel;
class EcuSession;
class QItemSelectionModel;
class QMainWindow;
class QStatusBar;

class WindowContext {
public:
    WindowContext(QMainWindow *window, EcuSession *session, CurveModel *model, QItemSelectionModel *selection);

    QMainWindow *window() const { return win; }
    QStatusBar *statusBar() const;
    EcuSession *session() const { return ses; }
    CurveModel *model() const { return curve; }
    QItemSelectionModel *selection() const { return sel; }

    UserPrompts &prompts() const { return *ask; }
    // Replaces the file dialogs, questions and warnings (tests); takes ownership.
    void setPrompts(UserPrompts *prompts) { ask.reset(prompts); }

    // Where profiles are looked for and backups go, and where live-data
    // recordings go (by default the places DataFolders names).
    QString profileFolder() const { return profiles; }
    void setProfileFolder(const QString &folder) { profiles = folder; }
    QString backupFolder() const;
    QString logFolder() const { return logs; }
    void setLogFolder(const QString &folder) { logs = folder; }

    // A message in the status bar for `ms` milliseconds (0: until the next).
    void showStatus(const QString &text, int ms) const;

private:
    QMainWindow *win;
    EcuSession *ses;
    CurveModel *curve;
    QItemSelectionModel *sel;
    std::unique_ptr<UserPrompts> ask;
    QString profiles;
    QString logs;
};
