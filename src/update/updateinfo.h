#pragma once

#include "update/versionnumber.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

// The update information file "/vlmupdates/Vlm.inf" on the maker's server tells
// which program version is current and where to download it. It is UTF-8 text of
// "Key=Value" lines (docs/update-information-file.md):
//
//     # Velmor update information
//     Version=1.0.0.2
//     Download=/vlmupdates/Velmor-1.0.0.2-x86_64.tar.gz
//
// - Keys are case-insensitive; blanks around keys and values are ignored.
// - Blank lines and lines starting with "#" or ";" are comments.
// - Version (required): one to four numbers separated by "." (see VersionNumber).
// - Download (required): an http or https address, or a path relative to the
//   address of the information file itself.
// - Other keys are ignored, so that later programs can add some; a key given
//   twice, a line without "=", or a file over 16 KiB makes the file malformed.

struct UpdateInfo {
    VersionNumber version;
    QUrl download;
};

struct UpdateInfoParse {
    bool ok = false;
    UpdateInfo info;
    QString error; // why the file is malformed
};

constexpr qint64 MaxUpdateInfoSize = 16 * 1024;

// Reads an information file fetched from infoUrl (used to resolve a relative Download).
UpdateInfoParse ParseUpdateInfo(const QByteArray &content, const QUrl &infoUrl);
