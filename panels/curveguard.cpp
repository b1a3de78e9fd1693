// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/curveguard.h"

#include "panels/windowcontext.h"
#include "profile/curvemodel.h"
#include "profile/profilefile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>

QString CurveGuard::proposedPath(const WindowContext &context)
{
    const QString file = context.model()->filePath();
    if (!file.isEmpty())
        return file;
    const QString name = tr("profilo_%1.prf").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmm")));
    return QDir(context.profileFolder()).filePath(name);
}

bool CurveGuard::saveAs(WindowContext &context, const QString &why)
{
    CurveModel *model = context.model();
    // The dialog opens in the profiles' folder, made on the first save.
    QDir().mkpath(context.profileFolder());
    QString path = context.prompts().getSaveFileName(context.window(), why.isEmpty() ? tr("Salva File di Profilo") : why,
                                                     proposedPath(context), tr("Profili (*.prf)"));
    if (path.isEmpty())
        return false;
    // The load dialog lists *.prf only: a name without an extension gets one.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".prf");
    QString error;
    if (!ProfileFile::save(path, model->values(), model->k(), &error)) {
        // The old file, if any, is untouched.
        context.prompts().warning(context.window(), tr("Salva File di Profilo"), error);
        return false;
    }
    model->setFile(path);
    return true;
}

bool CurveGuard::mayReplaceCurve(WindowContext &context)
{
    if (!context.model()->isModified())
        return true;
    switch (context.prompts().askSaveDiscardCancel(
        context.window(), tr("Curva modificata"), tr("La curva contiene modifiche non salvate. Salvarle prima?"))) {
    case UserPrompts::Save:
        return saveAs(context);
    case UserPrompts::Discard:
        return true;
    default:
        return false;
    }
}

