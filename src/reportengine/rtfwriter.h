#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Rich Text Format output for text-only documents (the antenna report): the lines are
// written one paragraph each, in one font, on A4 pages with the given margins. A form
// feed character in a line starts a new page. Text is written in the Windows-1252 code
// page; characters outside it are written as Unicode escapes with a '?' fallback.
struct RtfDocument {
    QString fontName = QStringLiteral("Courier New");
    double sizePt = 9.0;
    double marginLeftMm = 25.0;
    double marginRightMm = 25.0;
    double marginTopMm = 30.0;
    double marginBottomMm = 30.0;
    QStringList lines;
};

QByteArray RtfText(const RtfDocument &document);

// Writes the file atomically (temporary name, then rename); false with the reason.
bool WriteRtfFile(const RtfDocument &document, const QString &path, QString *error);
