// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/curvemodel.h"

#include "profile/curveops.h"


CurveModel::CurveModel(QObject *parent)
    : QAbstractTableModel(parent), vals(Curve::Points, 0), pristine(Curve::Points, 0)
{
}

int CurveModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : (hasCompare() ? RowCount : CompareRow);
}

int CurveModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Curve::Points;
}

QVariant CurveModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= Curve::Points)
        return QVariant();
    const int i = index.column();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == OutOfRangeRole)
        return index.row() == ValueRow && clamp(vals[i]) != vals[i];
    if (role == DiffersRole)
        return hasCompare() && (index.row() == ValueRow || index.row() == CompareRow)
            && vals[i] != compareVals.value(i);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    switch (index.row()) {
    case RpmRow:
        return qRound(rpmAt(i));
    case ValueRow:
        return vals[i];
    case CompareRow:
        return hasCompare() ? QVariant(compareVals.value(i)) : QVariant();
    case DiffRow:
        return hasCompare() ? QVariant(vals[i] - compareVals.value(i)) : QVariant();
    default:
        return QVariant();
    }
}

bool CurveModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() != ValueRow)
        return false;
    double v = 0;
    if (!CurveOps::parseNumber(value.toString(), &v) || !(v > -1.0e6 && v < 1.0e6))
        return false;  // not one number: the cell keeps its value
    return setValue(index.column(), qRound(v));
}

Qt::ItemFlags CurveModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.row() == ValueRow)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant CurveModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section;
    switch (section) {
    case RpmRow:
        return tr("Giri/min");
    case ValueRow:
        return tr("Valore");
    case CompareRow:
        return compareName.isEmpty() ? tr("Confronto") : compareName;
    case DiffRow:
        return tr("Differenza");
    default:
        return QVariant();
    }
}

void CurveModel::setMaxRpm(double maxRpm)
{
    if (maxRpm == rpmMax)
        return;
    rpmMax = maxRpm;
    emit dataChanged(index(RpmRow, 0), index(RpmRow, Curve::Points - 1));
    emit maxRpmChanged();
}

double CurveModel::rpmAt(int point) const
{
    return rpmMax / 40.0 * point;
}

void CurveModel::setLimits(const CurveLimits &limits)
{
    lim = limits;
    emit dataChanged(index(ValueRow, 0), index(ValueRow, Curve::Points - 1));
    emit limitsChanged();
}

int CurveModel::clamp(int value) const
{
    const int lo = int(lim.valueMin);
    const int hi = int(lim.valueMax);
    return value < lo ? lo : (value > hi ? hi : value);
}

QVector<int> CurveModel::outOfRange() const
{
    QVector<int> out;
    for (int i = 0; i < Curve::Points; ++i)
        if (clamp(vals[i]) != vals[i])
            out.append(i);
    return out;
}

void CurveModel::setK(int k)
{
    if (k == kValue)
        return;
    kValue = k;
    emit kChanged(k);
    updateModified();
}

void CurveModel::pushUndo(const QString &what)
{
    if (groupDepth > 0) {
        if (groupPushed)
            return;
        groupPushed = true;
    }
    undoStack.append(Step{vals, groupDepth > 0 ? groupWhat : what});
    if (undoStack.size() > UndoLimit)
        undoStack.removeFirst();
    redoStack.clear();
    emit undoStateChanged();
}

void CurveModel::replace(const QVector<int> &values)
{
    QVector<int> next = values;
    next.resize(Curve::Points);
    int first = -1;
    int last = -1;
    for (int i = 0; i < Curve::Points; ++i) {
        if (next[i] != vals[i]) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    vals = next;
    if (first >= 0) {
        emit dataChanged(index(ValueRow, first), index(rowCount() - 1, last));
        emit valuesChanged(first, last);
    }
    updateModified();
}

bool CurveModel::setValue(int point, int value)
{
    if (point < 0 || point >= Curve::Points)
        return false;
    const int v = clamp(value);
    if (v == vals[point])
        return true;
    pushUndo(tr("Modifica punto %1").arg(point));
    QVector<int> next = vals;
    next[point] = v;
    replace(next);
    return true;
}

void CurveModel::setValues(const QVector<int> &values, const QString &what, bool undoable)
{
    QVector<int> next = values;
    next.resize(Curve::Points);
    if (next == vals)
        return;
    if (undoable)
        pushUndo(what);
    replace(next);
}

void CurveModel::applyEdit(const QVector<int> &values, const QString &what)
{
    QVector<int> next = values;
    next.resize(Curve::Points);
    for (int i = 0; i < Curve::Points; ++i)
        if (next[i] != vals[i])
            next[i] = clamp(next[i]);
    setValues(next, what);
}

void CurveModel::beginGroup(const QString &what)
{
    if (groupDepth++ == 0) {
        groupPushed = false;
        groupWhat = what;
    }
}

void CurveModel::endGroup()
{
    if (groupDepth > 0)
        --groupDepth;
}

QString CurveModel::undoText() const
{
    return undoStack.isEmpty() ? QString() : undoStack.last().what;
}

QString CurveModel::redoText() const
{
    return redoStack.isEmpty() ? QString() : redoStack.last().what;
}

void CurveModel::undo()
{
    stepBetween(undoStack, redoStack);
}

void CurveModel::redo()
{
    stepBetween(redoStack, undoStack);
}

void CurveModel::stepBetween(QVector<Step> &from, QVector<Step> &to)
{
    if (from.isEmpty())
        return;
    const Step step = from.takeLast();
    to.append(Step{vals, step.what});
    replace(step.values);
    emit undoStateChanged();
}

void CurveModel::clearUndo()
{
    undoStack.clear();
    redoStack.clear();
    emit undoStateChanged();
}

void CurveModel::setFile(const QString &path)
{
    file = path;
    fileValues = vals;
    fileK = kValue;
    emit fileChanged(file);
    updateModified();
}

void CurveModel::clearFile()
{
    if (file.isEmpty() && fileValues.isEmpty())
        return;
    file.clear();
    fileValues.clear();
    emit fileChanged(file);
    updateModified();
}

void CurveModel::setEcuCopy(const QVector<int> &values)
{
    hasEcu = true;
    ecuValues = values;
    ecuValues.resize(Curve::Points);
    updateModified();
}

void CurveModel::clearEcuCopy()
{
    hasEcu = false;
    ecuValues.clear();
    updateModified();
}

void CurveModel::setPristine()
{
    pristine = vals;
    updateModified();
}

bool CurveModel::isModified() const
{
    const bool matchesFile = !file.isEmpty() && vals == fileValues && kValue == fileK;
    const bool matchesEcu = hasEcu && vals == ecuValues;
    if (matchesFile || matchesEcu)
        return false;
    if (file.isEmpty() && !hasEcu)
        return vals != pristine;
    return true;
}

void CurveModel::updateModified()
{
    const bool now = isModified();
    if (now != modified) {
        modified = now;
        emit modifiedChanged(modified);
    }
    const bool differs = differsFromEcu();
    if (differs != ecuDiffers) {
        ecuDiffers = differs;
        emit ecuDifferenceChanged(differs);
    }
}

void CurveModel::setCompare(const QVector<int> &values, const QString &label)
{
    const bool columnsChange = !hasCompare();
    if (columnsChange)
        beginInsertRows(QModelIndex(), CompareRow, DiffRow);
    compareVals = values;
    compareVals.resize(Curve::Points);
    compareName = label;
    if (columnsChange)
        endInsertRows();
    else
        emit dataChanged(index(CompareRow, 0), index(DiffRow, Curve::Points - 1));
    emit headerDataChanged(Qt::Vertical, CompareRow, CompareRow);
    emit compareChanged();
}

void CurveModel::clearCompare()
{
    if (!hasCompare())
        return;
    beginRemoveRows(QModelIndex(), CompareRow, DiffRow);
    compareVals.clear();
    compareName.clear();
    endRemoveRows();
    emit compareChanged();
}
