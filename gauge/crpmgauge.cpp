// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauge/crpmgauge.h"

#include <QPainter>
#include <QSvgRenderer>

#include "gauge/gaugegeometry.h"
#include "gauge/qtsvgpixmapcache.h"

const char *const CRpmGauge::defaultLayerFolder = ":/rpm/imgs/";

namespace {
const char *const kNeedleFile = "RPMneedle.svg";
const char *const kShadowFile = "RPMneedle_shadow.svg";
const char *const kOverlayFile = "RPMoverlay.svg";
}  // namespace

CRpmGauge::CRpmGauge(QWidget *parent)
    : QWidget(parent),
      m_face(new QtSvgPixmapCache(this)),
      m_shadow(new QtSvgPixmapCache(this)),
      m_needle(new QSvgRenderer(this)),
      m_overlay(new QtSvgPixmapCache(this)),
      m_layerFolder(QString::fromLatin1(defaultLayerFolder))
{
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    setGeometry(2, 8, 237, 237);
}

CRpmGauge::~CRpmGauge() = default;

void CRpmGauge::setValue(int v)
{
    if (v < m_minimum)
        m_value = m_minimum;
    else if (v > m_maximum)
        m_value = m_maximum;
    else
        m_value = v;
    update();
}

void CRpmGauge::setMinimum(int m)
{
    m_minimum = m;
    if (m_value < m)
        m_value = m;
    update();
}

void CRpmGauge::setMaximum(int m)
{
    m_maximum = m;
    if (m < m_value)
        m_value = m;
    update();
}

void CRpmGauge::setStartAngle(qreal a)
{
    m_startAngle = a;
}

void CRpmGauge::setEndAngle(qreal a)
{
    m_endAngle = a;
}

void CRpmGauge::setNeedleOrigin(qreal x, qreal y)
{
    m_originX = GaugeGeometry::clampFraction(x);
    m_originY = GaugeGeometry::clampFraction(y);
}

void CRpmGauge::setShowOverlay(bool on)
{
    m_showOverlay = on;
    update();
}

void CRpmGauge::setSkin(const QString &name)
{
    m_skin = name;
    m_face->load(m_layerFolder + name);
    m_shadow->load(m_layerFolder + QLatin1String(kShadowFile));
    m_needle->load(m_layerFolder + QLatin1String(kNeedleFile));
    m_overlay->load(m_layerFolder + QLatin1String(kOverlayFile));
    updateGeometry();
    update();
}

void CRpmGauge::setLayerFolder(const QString &folder)
{
    m_layerFolder = folder;
}

qreal CRpmGauge::needleAngle() const
{
    return GaugeGeometry::needleAngle(m_value, m_minimum, m_maximum, m_startAngle, m_endAngle);
}

QSize CRpmGauge::sizeHint() const
{
    return QSize(400, 400);
}

QSize CRpmGauge::minimumSizeHint() const
{
    return QSize(100, 100);
}

void CRpmGauge::paintEvent(QPaintEvent *)
{
    using namespace GaugeGeometry;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const QRectF face = layerRect(m_face->defaultSize(), size());
    painter.translate(centringOffset(face.size(), size()));
    painter.save();
    m_face->draw(&painter, face);

    const QRectF needleLayer = layerRect(m_needle->defaultSize(), size());
    const QRectF needle = needleRect(needleLayer, m_originX, m_originY);
    painter.translate(pivotOffset(needleLayer, m_originX, m_originY));

    const qreal angle = needleAngle();
    painter.save();
    painter.translate(2.0, 4.0);  // the shadow falls slightly down and right
    painter.rotate(angle);
    m_shadow->draw(&painter, needle);
    painter.restore();

    painter.rotate(angle);
    if (m_needle->isValid() && !needle.isEmpty())
        m_needle->render(&painter, needle);
    painter.restore();

    if (m_showOverlay)
        m_overlay->draw(&painter, layerRect(m_overlay->defaultSize(), size()));
    painter.end();
}
