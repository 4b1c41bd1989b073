#include "reports/exportstatements.h"

#include "reports/exporttexts.h"
#include "store/jetliterals.h"

#include <algorithm>
#include <initializer_list>

namespace
{

const QString TwoSpaces = QStringLiteral("  ");

// "SET a =x, b =y" parts joined as the export writes them.
QString Assignments(const QList<QPair<const char *, QString>> &pairs)
{
    QStringList parts;
    for (const auto &pair : pairs)
        parts << QString::fromLatin1(pair.first) + QStringLiteral(" =") + pair.second;
    return parts.join(QStringLiteral(", "));
}

QString ApplicationUpdate(const char *table, const char *key,
                          const QList<QPair<const char *, QString>> &pairs)
{
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 =%4")
        .arg(QString::fromLatin1(table), Assignments(pairs), QString::fromLatin1(key))
        .arg(ExportApplicationKey);
}

QString Insert(const char *table, const QStringList &columns, const QStringList &values)
{
    return QStringLiteral("INSERT INTO %1(%2) VALUES (%3)")
        .arg(QString::fromLatin1(table), columns.join(QStringLiteral(", ")),
             values.join(QStringLiteral(", ")));
}

// The same with the column names written as literals.
QString Insert(const char *table, std::initializer_list<const char *> columns,
               const QStringList &values)
{
    QStringList names;
    for (const char *column : columns)
        names << QString::fromLatin1(column);
    return Insert(table, names, values);
}

QString Number(int value)
{
    return QString::number(value);
}

} // namespace

TExportApplicant DeriveApplicant(const TExportOwnerRow &owner)
{
    TExportApplicant a;
    a.name = JoinTrimmed({owner.firstName, owner.name}, QStringLiteral(" "));
    a.address = JoinTrimmed({owner.address2, owner.address1}, QStringLiteral(" "));
    a.telephone = JoinTrimmed({owner.phoneHome, owner.phoneOffice, owner.phoneMobile}, TwoSpaces);
    if (owner.clubStation) {
        a.reference = owner.clubCall.trimmed();
    } else {
        QString reference = owner.call.trimmed();
        if (!owner.otherOps.trimmed().isEmpty())
            reference += QStringLiteral(" (") + owner.otherOps.trimmed() + QLatin1Char(')');
        a.reference = reference.trimmed();
    }
    a.ownerNote = ExportMemoText(owner.note);
    a.siteNote = ExportMemoText(
        owner.siteNote, owner.clubStation ? QStringLiteral("This is a clubstation.") : QString());
    a.siteAddress = JoinTrimmed({owner.siteAddress2, owner.siteAddress1}, QStringLiteral(" "));
    return a;
}

QString AntennaDescription(const TExportAntennaRow &antenna)
{
    return QStringLiteral("Group: ") + antenna.family + QStringLiteral(" / Type: ") + antenna.type +
           QStringLiteral(" / Make-Description: ") + antenna.makeDescription;
}

QString FileLanguageUpdate(const QString &letter)
{
    return ApplicationUpdate("FileTable", "FilePK", {{"FileLanguage", JetText(letter)}});
}

QString File1Update(const TExportOwnerRow &owner, const TExportApplicant &applicant)
{
    return ApplicationUpdate("File1Table", "File1PK",
                             {{"AA01NameApplicant", JetText(applicant.name)},
                              {"AA02AddressApplicant", JetText(applicant.address)},
                              {"AA03ZipCodeApplicant", JetText(owner.zip1)},
                              {"AA03CityApplicant", JetText(owner.city1)},
                              {"AA04NameContactApplicant", JetText(applicant.name)},
                              {"AA05TelContactApplicant", JetText(applicant.telephone)},
                              {"AA06EmailContactApplicant", JetText(owner.email.trimmed())},
                              {"AA07RefApplicant", JetText(applicant.reference)},
                              {"AA08RefBIPTApplicant", JetText(owner.siteBiptRef.trimmed())},
                              {"AA09InfoApplicant", JetText(applicant.ownerNote)}});
}

QString File2Update(const TExportOwnerRow &owner, const TExportApplicant &applicant)
{
    return ApplicationUpdate("File2Table", "File2PK",
                             {{"AO01OtherExploitant", JetText(owner.siteSharedBy.trimmed())},
                              {"BS01SiteShareable", ExportYesNo(owner.siteShared)},
                              {"BI01SiteDescription", JetText(applicant.siteNote)}});
}

QString File3Update(const TExportOwnerRow &owner, const TExportApplicant &applicant)
{
    return ApplicationUpdate("File3Table", "File3PK",
                             {{"LS02AddressSite", JetText(applicant.siteAddress)},
                              {"LS03ZipCodeSite", JetText(owner.zip2)},
                              {"LS03CitySite", JetText(owner.city2)},
                              {"AS04SiteExists", ExportYesNo(owner.siteHasAntennas)},
                              {"LS07XLambertCoordinates", ExportWholeNumber(owner.lambertX)},
                              {"LS07YLambertCoordinates", ExportWholeNumber(owner.lambertY)}});
}

QString File4Update()
{
    return ApplicationUpdate("File4Table", "File4PK",
                             {{"ST01Other10MHHz10GHz", JetText(QStringLiteral("RADIOAMATEUR"))}});
}

QStringList ClearAntennaTables()
{
    return {QStringLiteral("DELETE FROM DefaultAntennaTable"),
            QStringLiteral("DELETE FROM File4BTable"),
            QStringLiteral("DELETE FROM DefaultAntennaHorizontalDiagramEntryTable")};
}

QString ClearVerticalDiagram()
{
    return QStringLiteral("DELETE FROM DefaultAntennaVerticalDiagramEntryTable");
}

QStringList AntennaInserts(int n, const TExportAntennaRow &antenna)
{
    const QString tilt = ExportWholeNumber(antenna.tilt);
    const QString height = ExportWholeNumber(antenna.height);
    const QString gain = ExportPlainNumber(antenna.pattern[0]);
    const QString frequency = ExportFixed(antenna.frequency, 1, 6);
    const QString powerDbm = ExportFixed(antenna.antennaPower + 30.0, 2, 4);
    const QString eirp = ExportFixed(antenna.eirp, 2, 4);
    const QString key = Number(n);

    const QString defaultAntenna =
        Insert("DefaultAntennaTable",
               {"DefaultAntennaPK", "DefaultAntennaType", "DefaultAntennaTilt",
                "DefaultAntennaHorizontalBeamWidth", "DefaultAntennaGaindB", "DefaultAntennaHeight",
                "DefaultAntennaFrequencyMHz", "DefaultAntennaPowerdBm"},
               {key, JetText(AntennaDescription(antenna)), tilt, QStringLiteral("360"), gain,
                height, frequency, powerDbm});
    const QString entry = Insert("File4BTable",
                                 {"AntennaPK",
                                  "FileFK",
                                  "AntennaNr",
                                  "DefaultAntennaFK",
                                  "AntennaName",
                                  "AntennaType",
                                  "AntennaPositionHeight",
                                  "AntennaAzimut",
                                  "AntennaTilt",
                                  "AntennaElectricalTilt",
                                  "AntennaMechanicalTilt",
                                  "AntennaEntryPowerdBm",
                                  "AntennaFrequency",
                                  "AntennaHorizontalOpening",
                                  "AntennaVerticalOpening",
                                  "AntennaFromFrequency",
                                  "AntennaToFrequency",
                                  "AntennaGaindB",
                                  "AntennaGainRef",
                                  "AntennaEIRPdBW",
                                  "AntennaERPdBW",
                                  "AntennaPolarization",
                                  "AntennaNumberOfTransmitters",
                                  "AntennaDefaultTxPowerdBm"},
                                 {key,
                                  Number(ExportApplicationKey),
                                  key,
                                  key,
                                  JetText(antenna.reference),
                                  JetText(antenna.type),
                                  height,
                                  QStringLiteral("0"),
                                  tilt,
                                  QStringLiteral("0"),
                                  QStringLiteral("0"),
                                  powerDbm,
                                  frequency,
                                  QStringLiteral("360"),
                                  QStringLiteral("0"),
                                  frequency,
                                  frequency,
                                  gain,
                                  JetText(QStringLiteral("I")),
                                  eirp,
                                  QStringLiteral("0"),
                                  JetText(antenna.polarization),
                                  QStringLiteral("1"),
                                  QStringLiteral("0")});
    const QString horizontal =
        Insert("DefaultAntennaHorizontalDiagramEntryTable",
               {"DefaultAntennaHorizontalDiagramEntryPK", "DefaultAntennaFK", "FromAngle",
                "ToAngle", "GaindB"},
               {key, key, QStringLiteral("-180.5"), QStringLiteral("180.5"), QStringLiteral("0")});
    return {defaultAntenna, entry, horizontal};
}

QStringList VerticalDiagramGains(const AntennaPattern &pattern)
{
    const PatternTable table = BuildEnvelopeTable(pattern);
    QStringList gains;
    gains.reserve(VerticalDiagramSteps);
    for (int k = 0; k < VerticalDiagramSteps; ++k) {
        const double entry = table[std::min(k, PatternTableSize - 1)];
        gains << ExportFixed(entry - pattern[0], 2, 4);
    }
    return gains;
}

QStringList VerticalDiagramStepInserts(int n, int k, int firstKey, const QString &gain)
{
    const QStringList columns = {QStringLiteral("DefaultAntennaVerticalDiagramEntryPK"),
                                 QStringLiteral("DefaultAntennaFK"), QStringLiteral("FromAngle"),
                                 QStringLiteral("ToAngle"), QStringLiteral("GaindB")};
    const auto insert = [&columns](const QStringList &values) {
        return Insert("DefaultAntennaVerticalDiagramEntryTable", columns, values);
    };
    return {insert({Number(firstKey), Number(n), Number(k), Number(k + 1), gain}),
            insert({Number(firstKey + 1), Number(n), Number(-(k + 1)), Number(-k), gain})};
}
