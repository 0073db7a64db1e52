// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_TESTS_CSVTABLE_H
#define VORLIX_TESTS_CSVTABLE_H

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVector>

/// A run's CSV read back independently of the writer: every line must end in CR LF, "# "
/// lines before the header are comments, and each row must have the header's field count.
struct CsvTable {
    QStringList comments;
    QStringList header;
    QVector<QVector<double>> rows;
    bool wellFormed = true;

    explicit CsvTable(const QByteArray &text)
    {
        const QList<QByteArray> lines = text.split('\n');
        wellFormed = text.endsWith("\r\n");
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const QString line = QString::fromUtf8(lines[i]);
            wellFormed = wellFormed && line.endsWith('\r');
            const QString content = line.chopped(1);
            if (header.isEmpty() && content.startsWith("# ")) {
                comments << content.mid(2);
            } else if (header.isEmpty()) {
                header = content.split(',');
            } else {
                QVector<double> row;
                for (const QString &field : content.split(',')) {
                    bool ok = false;
                    row << field.toDouble(&ok);
                    wellFormed = wellFormed && ok;
                }
                wellFormed = wellFormed && row.size() == header.size();
                rows << row;
            }
        }
    }

    QVector<double> column(const QString &name) const
    {
        QVector<double> values;
        for (const QVector<double> &row : rows)
            values << row.value(header.indexOf(name));
        return values;
    }
};

#endif
