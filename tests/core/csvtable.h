// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_TESTS_CSVTABLE_H
#define VORLIX_TESTS_CSVTABLE_H

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QVector>

/// A run's CSV read back without the writer's help: "# " lines before the header are
/// comments; well formed when all lines end in CR LF and all rows are the header's width of
/// numbers.
struct CsvTable {
    QStringList comments, header;
    QMap<QString, QVector<double>> columns;
    bool wellFormed;

    explicit CsvTable(const QByteArray &text)
        : wellFormed(text.endsWith("\r\n") && text.count("\r\n") == text.count('\n'))
    {
        for (const QString &line : QString::fromUtf8(text).split("\r\n", Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(',');
            if (header.isEmpty() && line.startsWith("# ")) {
                comments << line.mid(2);
            } else if (header.isEmpty()) {
                header = fields;
            } else {
                wellFormed = wellFormed && fields.size() == header.size();
                for (int i = 0; i < fields.size(); ++i) {
                    bool number = false;
                    columns[header.value(i)] << fields[i].toDouble(&number);
                    wellFormed = wellFormed && number;
                }
            }
        }
    }
};

#endif
