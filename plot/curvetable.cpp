// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/curvetable.h"

#include "profile/curvemodel.h"
#include "profile/curveops.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

QString CurveTableDelegate::rpmText(int rpm, const QLocale &locale)
{
    // Five digits do not fit a column of a 41-point table: 10.2k does.
    if (rpm < 10000)
        return locale.toString(rpm);
    return locale.toString(rpm / 1000.0, 'f', 1) + QLatin1Char('k');
}

void CurveTableDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto ground = [option](const QColor &c) {
        option->backgroundBrush = QBrush(c);
        option->palette.setColor(QPalette::Text, Qt::black);
    };
    switch (index.row()) {
    case CurveModel::RpmRow:
        option->text = rpmText(index.data().toInt(), option->locale);
        break;
    case CurveModel::DiffRow: {
        // Green where the curve adds fuel against the comparison, red where
        // it takes it away.
        const int diff = index.data().toInt();
        if (diff > 0)
            ground(QColor(170, 230, 170));
        else if (diff < 0)
            ground(QColor(245, 175, 175));
        break;
    }
    default:
        if (index.data(CurveModel::DiffersRole).toBool())
            ground(QColor(255, 236, 140));
        break;
    }
    if (index.data(CurveModel::OutOfRangeRole).toBool()) {
        option->palette.setColor(QPalette::Text, QColor(210, 0, 0));
        option->font.setBold(true);
    }
    if (index.column() == tracerColumn)
        ground(QColor(255, 200, 120));
}

QWidget *CurveTableDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setAlignment(Qt::AlignCenter);
    editor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?\\d{0,4}([.,]\\d{0,2})?")), editor));
    return editor;
}

void CurveTableDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = static_cast<QLineEdit *>(editor);
    // A key that opened the editor replaces the value; a double click edits it.
    if (line->text().isEmpty())
        line->setText(index.data(Qt::EditRole).toString());
}

void CurveTableDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QString text = static_cast<QLineEdit *>(editor)->text();
    if (text.trimmed().isEmpty())
        return;
    double typed = 0;
    const bool number = CurveOps::parseNumber(text, &typed);
    model->setData(index, text, Qt::EditRole);
    // The model keeps the curve within the unit's limits: say so when it
    // did not take the number as typed.
    const int kept = index.data(Qt::EditRole).toInt();
    if (number && qRound(typed) != kept)
        emit valueAdjusted(index.column(), qRound(typed), kept);
    else if (!number)
        emit valueRefused(index.column(), text);
}
