#pragma once

#include <QString>

// The rules of the user data page that need no screen: the order in which
// missing mandatory fields are reported, the check of a call sign that later
// becomes part of file names, and the owner's default folder.

enum UserDataField {
    UserFieldFirstName = 0,
    UserFieldName,
    UserFieldCall,
    UserFieldLanguage,
    UserFieldAddressMain,
    UserFieldZip,
    UserFieldTown,
    UserFieldNone, // every mandatory field has a value
};

// What the mandatory controls show; a lookup that shows nothing is empty.
struct TUserDataEntries {
    QString firstName;
    QString name;
    QString call;
    QString language;
    QString addressMain;
    QString zip;
    QString town;
};

// The first empty field in reporting order: First Name, Name, Call, Language,
// Address (Main), Zip, Town.
UserDataField FirstMissingUserField(const TUserDataEntries &entries);

// "There is no value for the "First Name" field !" and so on; empty for UserFieldNone.
QString MissingUserFieldMessage(UserDataField field);

// The message for a Zip lookup left on a "no town yet" row, which shows the
// postcode text zip.
QString NoTownYetMessage(const QString &zip);

// Why a call sign cannot stand in a file name (path separators, control
// characters, characters that file systems refuse, "." or ".."), or an empty
// text when it can.
QString CallFileNameProblem(const QString &call);

// Whether a character may be typed into a phone or fax number: digits and the
// characters people write numbers with, "+32 470 12-34-56", "02/123.45.67".
bool IsPhoneNumberCharacter(QChar c);

// The owner's default folder: the program's folder with its trailing separator
// followed directly by the call, without a trailing separator.
QString DefaultUserDirectory(const QString &programFolder, const QString &call);
