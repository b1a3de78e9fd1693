// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The injection curve: 41 whole-number values over the engine-speed range,
// the value limits of the connected layout, K, the file in use, and what the
// curve was last known to be on disk and in the ECU. Every change goes
// through here and is signalled, so the plot, the point editor and the value
// table are views of one store.
//
// Edits are clamped to the limits. Curves that come from outside (a file,
// the ECU) are kept exactly as they are, even beyond the limits: nothing is
// clipped silently; outOfRange() lists such points.
//
// As a table the curve lies on its side, one column per point (in engine-speed
// order, as on the plot): a row of engine speeds, a row of values and, while
// a second curve is compared, a row of its values and one of the differences.

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

#include "profile/curvelimits.h"

class CurveModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Row { RpmRow = 0, ValueRow, CompareRow, DiffRow, RowCount };
    // data(): true for a value beyond the limits.
    static constexpr int OutOfRangeRole = Qt::UserRole + 1;
    // data(): true where the curve and the comparison curve differ (value
    // and comparison rows).
    static constexpr int DiffersRole = Qt::UserRole + 2;

    static constexpr int UndoLimit = 200;

    explicit CurveModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The curve.
    int value(int point) const { return vals.value(point); }
    const QVector<int> &values() const { return vals; }
    double maxRpm() const { return rpmMax; }
    void setMaxRpm(double maxRpm);
    // Engine speed of point i: maxRpm / 40 × i.
    double rpmAt(int point) const;
    CurveLimits limits() const { return lim; }
    void setLimits(const CurveLimits &limits);
    int clamp(int value) const;
    // Points whose value lies beyond the limits.
    QVector<int> outOfRange() const;
    int k() const { return kValue; }
    void setK(int k);

    // Edits. Each is one undo step; between beginGroup() and endGroup() all
    // edits form one step (a drag).
    bool setValue(int point, int value);
    // Replaces the whole curve as it is, without clamping (a file, the ECU,
    // a flat profile). `what` names the step; without `undoable` the change
    // joins the step before (the second half of a replacement).
    void setValues(const QVector<int> &values, const QString &what = QString(), bool undoable = true);
    // Replaces the curve with an edited one, clamped (range operations).
    void applyEdit(const QVector<int> &values, const QString &what);
    void beginGroup(const QString &what);
    void endGroup();

    bool canUndo() const { return !undoStack.isEmpty(); }
    bool canRedo() const { return !redoStack.isEmpty(); }
    QString undoText() const;
    QString redoText() const;
    void undo();
    void redo();
    void clearUndo();

    // Where the curve is kept.
    QString filePath() const { return file; }
    bool hasFile() const { return !file.isEmpty(); }
    // The curve and K are now what `path` holds (after a load or a save).
    void setFile(const QString &path);
    void clearFile();
    // The ECU holds `values` (after a read, or a verified write).
    void setEcuCopy(const QVector<int> &values);
    void clearEcuCopy();
    bool hasEcuCopy() const { return hasEcu; }
    QVector<int> ecuCopy() const { return ecuValues; }
    // The present curve counts as nothing to lose (start-up, a reset by the
    // program itself).
    void setPristine();
    // The curve (or K) differs from the file in use, and the curve from the
    // ECU's copy (or, with neither, from the pristine curve). K needs no
    // ECU copy: a linked unit gets every change of K at once.
    bool isModified() const;
    // The editor holds a curve the ECU does not: it differs from the ECU's
    // copy (the last read, or the last verified write).
    bool differsFromEcu() const { return hasEcu && vals != ecuValues; }

    // A second curve to compare against.
    void setCompare(const QVector<int> &values, const QString &label);
    void clearCompare();
    bool hasCompare() const { return !compareVals.isEmpty(); }
    QVector<int> compareValues() const { return compareVals; }
    QString compareLabel() const { return compareName; }

signals:
    void valuesChanged(int first, int last);
    void limitsChanged();
    void maxRpmChanged();
    void kChanged(int k);
    void fileChanged(const QString &path);
    void modifiedChanged(bool modified);
    void ecuDifferenceChanged(bool differs);
    void compareChanged();
    void undoStateChanged();

private:
    struct Step {
        QVector<int> values;
        QString what;
    };
    void replace(const QVector<int> &values);
    // Undo and redo: the last step of `from` is applied, the values it
    // replaces go onto `to`.
    void stepBetween(QVector<Step> &from, QVector<Step> &to);
    void pushUndo(const QString &what);
    void updateModified();

    QVector<int> vals;
    double rpmMax = 12000.0;
    CurveLimits lim;
    int kValue = 1;

    QString file;
    QVector<int> fileValues;
    int fileK = 1;
    bool hasEcu = false;
    QVector<int> ecuValues;
    QVector<int> pristine;
    bool modified = false;
    bool ecuDiffers = false;

    QVector<Step> undoStack;
    QVector<Step> redoStack;
    int groupDepth = 0;
    bool groupPushed = false;
    QString groupWhat;

    QVector<int> compareVals;
    QString compareName;
};
