#pragma once
// How the value table draws the curve model: values beyond the layout's
// limits in red, the column of the cell the ECU is using now (live data) on
// an orange ground.

#include <QStyledItemDelegate>

class CurveTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setTracer(int column) { tracerColumn = column; }
    int tracer() const { return tracerColumn; }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int tracerColumn = -1;
};
