#include "plot/curvetable.h"

#include "profile/curvemodel.h"

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
