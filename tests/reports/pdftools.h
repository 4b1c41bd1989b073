#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Runs the PDF inspection programs (qpdf, poppler-utils) on files written by the tests.
struct ToolResult {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolResult RunTool(const QString &program, const QStringList &arguments);

// pdftotext -layout of the given pages (0: all).
QString PdfLayoutText(const QString &path, int firstPage = 0, int lastPage = 0);

// pdfinfo's "Key: value" lines.
QMap<QString, QString> PdfInfo(const QString &path);

// One word with its box in points from the page's top-left corner (pdftotext -bbox).
struct PdfWord {
    int page = 0; // from 1
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
QVector<PdfWord> PdfWords(const QString &path);

// Words grouped into lines of one page, top to bottom.
QVector<QVector<PdfWord>> PdfLines(const QVector<PdfWord> &words, int page);

constexpr double kPtPerMm = 72.0 / 25.4;
