// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot's view of the curve model: Qwt reads the points straight from the
// model, so the plot never keeps a copy of the values.

#include <QPointF>
#include <QRectF>
#include <qwt_series_data.h>

class CurveModel;

class CurveSeries : public QwtSeriesData<QPointF> {
public:
    // `compare`: the model's comparison curve instead of the curve itself.
    explicit CurveSeries(const CurveModel *model, bool compare = false);

    size_t size() const override;
    QPointF sample(size_t i) const override;
    QRectF boundingRect() const override;

private:
    const CurveModel *model;
    bool compare;
};
