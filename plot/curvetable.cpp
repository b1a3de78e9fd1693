#include "plot/curvetable.h"

#include "profile/curvemodel.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

void CurveTableDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(CurveModel::OutOfRangeRole).toBool()) {
        option->palette.setColor(QPalette::Text, QColor(210, 0, 0));
        option->font.setBold(true);
    }
    if (index.column() == tracerColumn)
        option->backgroundBrush = QBrush(QColor(255, 200, 120));
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
    if (!text.trimmed().isEmpty())
        model->setData(index, text, Qt::EditRole);
}
