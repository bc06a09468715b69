#pragma once

// The reference tables in data/, answers of colour libraries that tools/make-*-reference
// wrote down: one row per line, fields split at tabs, comment lines (#) left out.
#include <QFile>
#include <QStringList>

inline QList<QStringList> referenceTable(const char* fileName) {
    QFile file(QStringLiteral(HUEPROBE_TEST_DATA "/%1").arg(QLatin1String(fileName)));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the reference data %s", fileName);
    QList<QStringList> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).remove(u'\n');
        if (!line.isEmpty() && !line.startsWith(u'#'))
            rows.append(line.split(u'\t'));
    }
    return rows;
}
