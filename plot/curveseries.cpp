// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/curveseries.h"

#include "profile/curvemodel.h"

CurveSeries::CurveSeries(const CurveModel *model, bool compare) : model(model), compare(compare) {}

size_t CurveSeries::size() const
{
    if (compare && !model->hasCompare())
        return 0;
    return Curve::Points;
}

QPointF CurveSeries::sample(size_t i) const
{
    const int point = int(i);
    const int value = compare ? model->compareValues().value(point) : model->value(point);
    return QPointF(model->rpmAt(point), value);
}

QRectF CurveSeries::boundingRect() const
{
    // Computed every time: the model changes behind the series' back.
    return qwtBoundingRect(*this);
}
