// A stored point test of group B with only its time and points, for the tests and tools
// that need a learner's tests over time but not their questions.
#pragma once

#include "core/XML_protokoly.h"
#include "core/sestava_testu.h"

inline TProtokol ProtokolSBody(const QString& profil, const QDateTime& kdy, int body) {
    TProtokol t;
    t.Profil = profil;
    t.DatumACas = kdy;
    t.Skupina = QStringLiteral("B");
    t.DelkaTestu = QStringLiteral("20:00");
    t.PocetBodu = body;
    t.Verdikt = body >= kMinimumBodu ? QStringLiteral("Prošel") : QStringLiteral("Neprošel");
    return t;
}
