// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/windowcontext.h"

#include <QDir>
#include <QMainWindow>
#include <QStatusBar>

#include "util/datafolders.h"

WindowContext::WindowContext(QMainWindow *window, EcuSession *session, CurveModel *model,
                             QItemSelectionModel *selection)
    : win(window), ses(session), curve(model), sel(selection), ask(new UserPrompts),
      profiles(DataFolders::profiles()), logs(DataFolders::logs())
{
}

QStatusBar *WindowContext::statusBar() const
{
    return win->statusBar();
}

QString WindowContext::backupFolder() const
{
    return QDir(profiles).filePath(QStringLiteral("backup"));
}

void WindowContext::showStatus(const QString &text, int ms) const
{
    win->statusBar()->showMessage(text, ms);
}
