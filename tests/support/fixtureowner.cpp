#include "fixtureowner.h"

#include "store/schema.h"

#include <QStringList>

QString OwnerInsertSql(const QString &call, const TOwnerColumns &columns)
{
    QStringList names{Schema::OwnerCall};
    QStringList values{QLatin1Char('\'') +
                       QString(call).replace(QLatin1Char('\''), QStringLiteral("''")) +
                       QLatin1Char('\'')};
    for (const auto &[name, value] : columns) {
        names << name;
        if (value.typeId() == QMetaType::QString)
            values << QLatin1Char('\'') +
                          value.toString().replace(QLatin1Char('\''), QStringLiteral("''")) +
                          QLatin1Char('\'');
        else
            values << value.toString();
    }
    return QStringLiteral("INSERT INTO tblOwner (%1) VALUES (%2)")
        .arg(names.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
}
