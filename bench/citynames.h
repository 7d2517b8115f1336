#pragma once

#include <QString>
#include <QStringList>

/// `count` made-up city names, the same at every run: two or three syllables, some with the
/// accented and stroked letters of real names, so searches fold what real lists hold.
inline QStringList madeUpCityNames(int count)
{
    static const QStringList syllables{
        QStringLiteral("San"),  QStringLiteral("São"),   QStringLiteral("Zü"),
        QStringLiteral("rich"), QStringLiteral("Łó"),    QStringLiteral("dź"),
        QStringLiteral("Ber"),  QStringLiteral("lin"),   QStringLiteral("Ma"),
        QStringLiteral("ko"),   QStringLiteral("to"),    QStringLiteral("ny"),
        QStringLiteral("burg"), QStringLiteral(" Port"), QStringLiteral("é"),
        QStringLiteral("la"),   QStringLiteral("Ål"),    QStringLiteral("ville"),
        QStringLiteral("ø"),    QStringLiteral("Kra"),   QStringLiteral("ków"),
        QStringLiteral("Pa"),   QStringLiteral("ris"),   QStringLiteral("do")};
    QStringList names;
    names.reserve(count);
    quint32 state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u; // a linear congruential generator
        return state >> 16;
    };
    for (int i = 0; i < count; ++i) {
        QString name;
        const int parts = 2 + int(next() % 2);
        for (int part = 0; part < parts; ++part)
            name += syllables.at(qsizetype(next() % syllables.size()));
        names.append(name + QStringLiteral(" %1").arg(i));
    }
    return names;
}
