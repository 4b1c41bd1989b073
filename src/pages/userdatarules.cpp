#include "pages/userdatarules.h"

#include <QCoreApplication>

namespace
{
} // namespace

UserDataField FirstMissingUserField(const TUserDataEntries &e)
{
    const QString *inOrder[] = {&e.firstName,   &e.name, &e.call, &e.language,
                                &e.addressMain, &e.zip,  &e.town};
    for (int field = UserFieldFirstName; field < UserFieldNone; ++field) {
        if (inOrder[field]->isEmpty())
            return static_cast<UserDataField>(field);
    }
    return UserFieldNone;
}

QString MissingUserFieldMessage(UserDataField field)
{
    switch (field) {
    case UserFieldFirstName:
        return QCoreApplication::translate("TfraUserData",
                                           "There is no value for the \"First Name\" field !");
    case UserFieldName:
        return QCoreApplication::translate("TfraUserData",
                                           "There is no value for the \"Name\" field !");
    case UserFieldCall:
        return QCoreApplication::translate("TfraUserData",
                                           "There is no value for the \"Call\" field !");
    case UserFieldLanguage:
        return QCoreApplication::translate("TfraUserData",
                                           "There is no value for the \"Language\" field !");
    case UserFieldAddressMain:
        return QCoreApplication::translate("TfraUserData",
                                           "There is no value for the \"Address (Main)\" field !");
    case UserFieldZip:
        return QCoreApplication::translate("TfraUserData",
                                           "There is no value for the \"Zip\" field !");
    case UserFieldTown:
        return QCoreApplication::translate("TfraUserData",
                                           "There is no value for the \"City\" field !");
    case UserFieldNone:
        break;
    }
    return QString();
}

QString NoTownYetMessage(const QString &zip)
{
    return QCoreApplication::translate(
               "TfraUserData", "\"%1\" stands for no town yet: type the postcode of your address !")
        .arg(zip);
}

QString CallFileNameProblem(const QString &call)
{
    if (call == QLatin1String(".") || call == QLatin1String(".."))
        return QCoreApplication::translate("TfraUserData",
                                           "The call \"%1\" cannot be used as a file name.")
            .arg(call);
    const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : call) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control ||
            refused.contains(c)) {
            return QCoreApplication::translate(
                "TfraUserData",
                "The call may not contain path separators, control characters or any of "
                ": * ? \" < > |, because it becomes part of the names of your files.");
        }
    }
    return QString();
}

bool IsPhoneNumberCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || QStringLiteral(" +-/.").contains(c);
}

QString DefaultUserDirectory(const QString &programFolder, const QString &call)
{
    QString folder = programFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + call;
}
