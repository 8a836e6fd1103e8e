#pragma once

// Fixtures shared by the test programs.

#include "locale_record.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace testsupport {

inline const common::LocaleRecord& usLocale()
{
    static const common::LocaleRecord record = common::localeRecordFor("en_US");
    return record;
}

inline const common::LocaleRecord& germanLocale()
{
    static const common::LocaleRecord record = common::localeRecordFor("de_DE");
    return record;
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testsupport
