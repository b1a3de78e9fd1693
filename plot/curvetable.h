#pragma once
// How the value table draws and edits the curve model: values beyond the
// layout's limits in red, the column of the cell the ECU is using now (live
// data) on an orange ground; a value is typed as text (a sign, a decimal
// point or comma allowed), and the model rounds and clamps it.

#include <QStyledItemDelegate>

class CurveTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setTracer(int column) { tracerColumn = column; }
    int tracer() const { return tracerColumn; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int tracerColumn = -1;
};
