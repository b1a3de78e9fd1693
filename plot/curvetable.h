// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the value table draws and edits the curve model: values beyond the
// layout's limits in red, the column of the cell the ECU is using now (live
// data) on an orange ground, cells that differ from the comparison curve on
// a yellow one and the differences green or red by their sign, engine speeds
// of five digits shortened so that they fit; a value is typed as text (a sign, a decimal
// point or comma allowed), and the model rounds and clamps it.

#include <QLocale>
#include <QStyledItemDelegate>

class CurveTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setTracer(int column) { tracerColumn = column; }
    int tracer() const { return tracerColumn; }
    // An engine speed as the rpm row shows it: "9.775", "10,2k".
    static QString rpmText(int rpm, const QLocale &locale);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    // A typed value the point could not take as it is: brought within the
    // limits (kept), or not a number at all (the point keeps its value).
    void valueAdjusted(int point, int typed, int kept) const;
    void valueRefused(int point, const QString &text) const;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int tracerColumn = -1;
};
